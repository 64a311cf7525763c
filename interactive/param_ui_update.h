#pragma once
#include "interactive/panel_command.h"

namespace fx {

// Sends `copy` (a private copy of the host's record of slot `index`) to the host with
// PF_UpdateParamUI, marked as a changed value. Always made; its result becomes the
// command's current result.
void update_param_ui(PanelCommand& command, int index, PF_ParamDef copy);

}  // namespace fx
