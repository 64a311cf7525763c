// The render commands: classic render, smart pre-render and smart render. Not built
// yet: they answer success and leave the output untouched.
#include "host/command_handlers.h"

namespace fx {

PF_Err render_command(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

PF_Err smart_pre_render(PF_InData*, PF_OutData*, void*) { return PF_Err_NONE; }

PF_Err smart_render(PF_InData*, PF_OutData*, void*) { return PF_Err_NONE; }

}  // namespace fx
