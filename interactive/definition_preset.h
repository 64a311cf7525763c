#pragma once
#include "interactive/panel_command.h"

namespace fx {

// A built-in preset popup: every preset record of the popup at slot `index` for the
// chosen entry writes its values into its target slot (the last record for a slot wins).
void ApplyDefinitionPreset(PanelCommand& command, int index);

}  // namespace fx
