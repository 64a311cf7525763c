#pragma once
// Host suites acquired on first use and released together when the cache ends. A
// transient cache lives for one command handler; the GlobalState keeps a persistent one
// from global set-up to global teardown, so suites acquired through it stay acquired.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "AE_AdvEffectSuites.h"
#include "AE_EffectCBSuites.h"
#include "AE_EffectSuites.h"
#include "AE_GeneralPlug.h"
#include "SPBasic.h"
#include "host/suite_acquisition.h"

namespace fx {

// The suites a cache can hold, each a fixed (name, version) pair: exactly those the
// plug-in reaches through a cache. Suites used once (directly or scoped) stay out of it,
// so a persistent cache never keeps a suite nobody asked it for.
enum class CachedSuite : std::size_t {
    handle,               // "PF Handle Suite" 2
    aegp_utility_7,       // "AEGP Utility Suite" 7
    aegp_utility_11,      // "AEGP Utility Suite" 11
    ansi,                 // "PF ANSI Suite" 1
    iterate8,             // "PF Iterate8 Suite" 1
    param_utils,          // "PF Param Utils Suite" 3
    aegp_stream,          // "AEGP Stream Suite" 7
    aegp_dynamic_stream,  // "AEGP Dynamic Stream Suite" 2
    aegp_effect,          // "AEGP Effect Suite" 2
    aegp_pf_interface,    // "AEGP PF Interface Suite" 1
    aegp_memory,          // "AEGP Memory Suite" 1
    adv_app,              // "PF AE Adv App Suite" 1
    count
};

SuiteName cached_suite_name(CachedSuite which) noexcept;

class SuiteCache {
public:
    // Throws HostError 516 when there is no basic suite to acquire from.
    explicit SuiteCache(const SPBasicSuite* basic);
    ~SuiteCache();
    SuiteCache(const SuiteCache&) = delete;
    SuiteCache& operator=(const SuiteCache&) = delete;

    // The suite's function table, acquired on the first request. Throws HostError 516
    // when the host refuses it (an error or a null table).
    const void* require(CachedSuite which);

    const PF_HandleSuite1* handle_suite() { return typed<PF_HandleSuite1>(CachedSuite::handle); }
    const AEGP_UtilitySuite3* utility_suite7() { return typed<AEGP_UtilitySuite3>(CachedSuite::aegp_utility_7); }
    const AEGP_UtilitySuite5* utility_suite11() { return typed<AEGP_UtilitySuite5>(CachedSuite::aegp_utility_11); }
    const PF_ANSICallbacksSuite1* ansi_suite() { return typed<PF_ANSICallbacksSuite1>(CachedSuite::ansi); }
    const PF_Iterate8Suite1* iterate8_suite() { return typed<PF_Iterate8Suite1>(CachedSuite::iterate8); }
    const PF_ParamUtilsSuite3* param_utils_suite() { return typed<PF_ParamUtilsSuite3>(CachedSuite::param_utils); }
    const AEGP_StreamSuite2* stream_suite() { return typed<AEGP_StreamSuite2>(CachedSuite::aegp_stream); }
    const AEGP_DynamicStreamSuite2* dynamic_stream_suite() {
        return typed<AEGP_DynamicStreamSuite2>(CachedSuite::aegp_dynamic_stream);
    }
    const AEGP_EffectSuite2* effect_suite() { return typed<AEGP_EffectSuite2>(CachedSuite::aegp_effect); }
    const AEGP_PFInterfaceSuite1* pf_interface_suite() {
        return typed<AEGP_PFInterfaceSuite1>(CachedSuite::aegp_pf_interface);
    }
    const AEGP_MemorySuite1* memory_suite() { return typed<AEGP_MemorySuite1>(CachedSuite::aegp_memory); }
    const PF_AdvAppSuite1* adv_app_suite() { return typed<PF_AdvAppSuite1>(CachedSuite::adv_app); }

    const SPBasicSuite* basic_suite() const noexcept { return basic_; }

private:
    template <class Suite>
    const Suite* typed(CachedSuite which) {
        return static_cast<const Suite*>(require(which));
    }

    static constexpr std::size_t kSuiteSlotCount = static_cast<std::size_t>(CachedSuite::count);

    const SPBasicSuite* basic_;
    // The persistent cache is filled lazily by whichever command first needs a suite,
    // possibly on two render threads at once: a slot is claimed atomically and the
    // loser of a race gives its acquisition back, so every slot is acquired once.
    std::array<std::atomic<const void*>, kSuiteSlotCount> slots_{};
};

}  // namespace fx
