#pragma once

#include "definition/effect_definition.h"
#include "definition/parse_environment.h"

namespace fx {

// Builds the preset-file popup: the first popup slot with flags 802 lists the preset files
// found in the all-users and the per-user data folders (their `presetpath` sub-folder
// when set). `preset_entries` and the popup's items correspond index by index; entry 0 is
// "---". Does nothing when no slot asks for the popup.
void build_preset_popup(EffectDefinition& def, const ParseEnvironment& env);

}  // namespace fx
