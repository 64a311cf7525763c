// The render commands: classic render, smart pre-render and smart render, drawn by the
// render drivers.
#include "host/command_handlers.h"
#include "render/render_drivers.h"

namespace fx {

PF_Err render_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output) {
    return on_render(in_data, out_data, params, output);
}

PF_Err smart_pre_render(PF_InData* in_data, PF_OutData* out_data, void* extra) {
    return on_smart_pre_render(in_data, out_data, static_cast<PF_PreRenderExtra*>(extra));
}

PF_Err smart_render(PF_InData* in_data, PF_OutData* out_data, void* extra) {
    return on_smart_render(in_data, out_data, static_cast<PF_SmartRenderExtra*>(extra));
}

}  // namespace fx
