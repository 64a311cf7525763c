#pragma once
#include "interactive/panel_command.h"

namespace fx {

// The update pass: the host keeps neither ui flags nor stream names when a project is
// reopened, so they are derived again from the instance's param_state and texts.
void ReapplyParamStates(PanelCommand& command);

}  // namespace fx
