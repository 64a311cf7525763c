// Parameter registration: one host parameter per definition slot. Not built yet: the
// command answers success without registering anything.
#include "host/command_handlers.h"

namespace fx {

PF_Err params_setup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

}  // namespace fx
