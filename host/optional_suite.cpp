#include "host/optional_suite.h"

namespace fx {

OptionalSuite::OptionalSuite(const SPBasicSuite* basic, const char* name, std::int32_t version) noexcept
    : basic_(basic), suite_{name, version} {
    const SuiteGrant grant = acquire_suite(basic_, suite_);
    table_ = grant.table;
    error_ = grant.error;
}

void OptionalSuite::release() noexcept {
    if (table_ == nullptr) return;
    release_suite(basic_, suite_);
    table_ = nullptr;
}

const void* OptionalSuite::keep() noexcept {
    const void* table = table_;
    table_ = nullptr;
    return table;
}

}  // namespace fx
