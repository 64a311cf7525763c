#include "host/suite_cache.h"

#include <string>

#include "host/host_error.h"

namespace fx {
namespace {

constexpr std::int32_t kBadCallbackParam = PF_Err_BAD_CALLBACK_PARAM;

constexpr std::array<SuiteName, static_cast<std::size_t>(CachedSuite::count)> suite_names{{
    {"PF Handle Suite", 2},
    {"AEGP Utility Suite", 7},
    {"AEGP Utility Suite", 11},
    {"PF ANSI Suite", 1},
    {"PF Iterate8 Suite", 1},
    {"PF Param Utils Suite", 3},
    {"AEGP Stream Suite", 7},
    {"AEGP Dynamic Stream Suite", 2},
    {"AEGP Effect Suite", 2},
    {"AEGP PF Interface Suite", 1},
    {"AEGP Memory Suite", 1},
    {"PF AE Adv App Suite", 1},
}};

}  // namespace

SuiteName cached_suite_name(CachedSuite which) noexcept { return suite_names[static_cast<std::size_t>(which)]; }

SuiteCache::SuiteCache(const SPBasicSuite* basic) : basic_(basic) {
    if (basic_ == nullptr) throw HostError(kBadCallbackParam, "SuiteCache: expected the host's basic suite, got none");
}

SuiteCache::~SuiteCache() {
    for (std::size_t i = 0; i < kSuiteSlotCount; ++i) {
        if (slots_[i].load(std::memory_order_acquire) == nullptr) continue;
        release_suite(basic_, suite_names[i]);
    }
}

const void* SuiteCache::require(CachedSuite which) {
    const auto index = static_cast<std::size_t>(which);
    if (index >= kSuiteSlotCount) throw HostError(kBadCallbackParam, "SuiteCache: no such cached suite");
    if (const void* known = slots_[index].load(std::memory_order_acquire)) return known;

    const SuiteName s = suite_names[index];
    const SuiteGrant grant = acquire_suite(basic_, s);
    if (!grant.granted()) {
        throw HostError(kBadCallbackParam, "SuiteCache: the host refused \"" + std::string(s.name) + "\" version " +
                                                std::to_string(s.version));
    }
    const void* expected = nullptr;
    if (!slots_[index].compare_exchange_strong(expected, grant.table, std::memory_order_acq_rel)) {
        release_suite(basic_, s);
        return expected;
    }
    return grant.table;
}

}  // namespace fx
