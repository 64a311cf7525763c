#pragma once
// The host's render commands: the classic one-command render and the two halves of the
// smart render. Each checks the parameters and layers out at the right times, converts
// them into the frame's values and has render_frame draw the frame.

#include "AE_Effect.h"

namespace fx {

PF_Err on_render(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);
PF_Err on_smart_pre_render(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra);
PF_Err on_smart_render(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra);

}  // namespace fx
