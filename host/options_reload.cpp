#include "host/options_reload.h"

#include "host/global_state.h"
#include "host/host_error.h"

#include "definition/loader/load_definition.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_status_report.h"

namespace fx {

void reload_effect_definition() { load_definition(); }

void rebuild_renderer_programs(GlobalState& state, const PF_InData* in_data, PF_OutData* out_data) {
    // No renderer means the definition turned GPU use off: there are no programs.
    if (state.renderer == nullptr) return;
    // The renderer reads its sources from the process-wide definition at every build.
    report_shader_status(*state.renderer, out_data, true, in_data);
}

}  // namespace fx
