// "PF World Suite" versions 1 and 2. Worlds are recorded only for now: their functions
// answer the host's "not offered" code.
#include "AE_EffectCBSuites.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_world_suite(SuiteRegistry& registry) {
    static const PF_WorldSuite1 v1 = [] {
        PF_WorldSuite1 t{};
        t.new_world = unmodelled<"PF World Suite v1", "new_world">(t.new_world);
        t.dispose_world = unmodelled<"PF World Suite v1", "dispose_world">(t.dispose_world);
        return t;
    }();
    static const PF_WorldSuite2 v2 = [] {
        PF_WorldSuite2 t{};
        t.PF_NewWorld = unmodelled<"PF World Suite v2", "PF_NewWorld">(t.PF_NewWorld);
        t.PF_DisposeWorld = unmodelled<"PF World Suite v2", "PF_DisposeWorld">(t.PF_DisposeWorld);
        t.PF_GetPixelFormat = unmodelled<"PF World Suite v2", "PF_GetPixelFormat">(t.PF_GetPixelFormat);
        return t;
    }();
    registry.install(kPFWorldSuite, kPFWorldSuiteVersion1, &v1);
    registry.install(kPFWorldSuite, kPFWorldSuiteVersion2, &v2);
}

}  // namespace fx
