// "PF World Suite" versions 1 and 2. The pixel-format query answers for the host's own
// worlds; making and disposing worlds are recorded only.
#include "AE_EffectCBSuites.h"
#include "simhost/host_world.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

constexpr FixedName kSource = "PF World Suite v2";

// Premiere Pro's formats have no name in this suite: it answers "invalid" for them and
// the plug-in asks Premiere Pro's own pixel format suite.
PF_Err get_pixel_format(const PF_EffectWorld* world, PF_PixelFormat* format) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource.view(), "PF_GetPixelFormat");
    if (result == 0 && (world == nullptr || format == nullptr)) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) {
        const auto known = host_world_format(world->data);
        if (!known) {
            host.note_misuse("PF_GetPixelFormat: the world's pixels are not a host world's");
            result = PF_Err_BAD_CALLBACK_PARAM;
        } else {
            *format = host.is_premiere() ? PF_PixelFormat_INVALID : *known;
        }
    }
    host.record(kSource.view(), "PF_GetPixelFormat", world == nullptr ? "null" : pointer_text(world->data), result);
    return result;
}

}  // namespace

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
        t.PF_GetPixelFormat = get_pixel_format;
        return t;
    }();
    registry.install(kPFWorldSuite, kPFWorldSuiteVersion1, &v1);
    registry.install(kPFWorldSuite, kPFWorldSuiteVersion2, &v2);
}

}  // namespace fx
