// The per-instance SequenceState: set-up, re-set-up from the flat record, flattening and
// set-down. Not built yet: every command answers success and keeps no sequence data.
#include "host/command_handlers.h"

namespace fx {

PF_Err sequence_setup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

PF_Err sequence_resetup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

PF_Err sequence_flatten(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, bool) { return PF_Err_NONE; }

PF_Err sequence_setdown(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

}  // namespace fx
