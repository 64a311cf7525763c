#pragma once
// The reaction to the effect panel: PF_Cmd_USER_CHANGED_PARAM (extra is the host's
// PF_UserChangedParamExtra) and PF_Cmd_UPDATE_PARAMS_UI (extra null; also called by
// other parts after they changed parameters). Runs on the host's user-interface thread
// without the process mutex. Returns the current result of the command's host calls.
#include "AE_Effect.h"

namespace fx {

PF_Err ParamChangeHandler(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                          const PF_UserChangedParamExtra* extra);

}  // namespace fx
