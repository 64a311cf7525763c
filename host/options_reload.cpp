#include "host/options_reload.h"

#include "host/global_state.h"
#include "host/host_error.h"

#if FX_HAVE_DEFINITION_LOADER
#include "definition/loader/load_definition.h"
#endif
#if FX_HAVE_RENDERER
#include "render/gl_renderer.h"
#endif

namespace fx {

void reload_effect_definition() {
#if FX_HAVE_DEFINITION_LOADER
    load_definition();
#else
    throw HostError(PF_Err_INTERNAL_STRUCT_DAMAGED, "reload_effect_definition: this build has no definition loader");
#endif
}

void rebuild_renderer_programs(GlobalState& state, const PF_InData* in_data, PF_OutData* out_data) {
    // No renderer means the definition turned GPU use off: there are no programs.
    if (state.renderer == nullptr) return;
#if FX_HAVE_RENDERER
    // The renderer reads its sources from the process-wide definition at every build.
    state.renderer->report_shader_status(out_data, true, in_data);
#else
    (void)in_data, (void)out_data;
    throw HostError(PF_Err_INTERNAL_STRUCT_DAMAGED, "rebuild_renderer_programs: this build has no renderer");
#endif
}

}  // namespace fx
