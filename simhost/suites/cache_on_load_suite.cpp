// "PF Cache On Load Suite" version 1: the plug-in only tells the host not to cache it.
#include "AE_CacheOnLoadSuite.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_cache_on_load_suite(SuiteRegistry& registry) {
    static const PF_CacheOnLoadSuite1 v1 = [] {
        constexpr FixedName s = "PF Cache On Load Suite v1";
        PF_CacheOnLoadSuite1 t{};
        t.PF_SetNoCacheOnLoad = accepted<s, "PF_SetNoCacheOnLoad">(t.PF_SetNoCacheOnLoad);
        return t;
    }();
    registry.install(kPFCacheOnLoadSuite, kPFCacheOnLoadSuiteVersion1, &v1);
}

}  // namespace fx
