#pragma once

#include "definition/effect_definition.h"
#include "definition/parse_environment.h"
#include "definition/parse_state.h"

namespace fx {

// The steps after the last line: data folder name, image area size, preset tables and
// popup, Options-button label, vertex shader, pass references, "#version" lines, default
// routing, automatic parameter ids and slider ranges, and finally the sources.
void complete_definition(EffectDefinition& def, ParseState& state, const ParseEnvironment& env);

}  // namespace fx
