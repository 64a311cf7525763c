#include "host/options_reload.h"

#include "host/global_state.h"
#include "host/host_error.h"

#if FX_HAVE_DEFINITION_LOADER
#include "definition/loader/load_definition.h"
#endif

namespace fx {

void reload_effect_definition() {
#if FX_HAVE_DEFINITION_LOADER
    load_definition();
#else
    throw HostError(PF_Err_INTERNAL_STRUCT_DAMAGED, "reload_effect_definition: this build has no definition loader");
#endif
}

void rebuild_renderer_programs(GlobalState& state, PF_OutData* out_data) {
    (void)out_data;
    // No renderer means the definition turned GPU use off: there are no programs.
    if (state.renderer == nullptr) return;
    // The renderer's source reload and program rebuild are called here once the renderer
    // exists; until then global set-up never creates one, so this point is not reached.
}

}  // namespace fx
