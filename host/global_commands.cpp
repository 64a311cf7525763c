// Global set-up and teardown: the GlobalState in the host's global data handle, the
// out flags and version, the definition load and the renderer. Not built yet: both
// commands answer success without doing anything, so the host keeps no global data.
#include "host/command_handlers.h"

namespace fx {

PF_Err global_setup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

PF_Err global_setdown(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

}  // namespace fx
