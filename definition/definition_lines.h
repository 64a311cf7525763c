#pragma once

#include <string>

#include "definition/effect_definition.h"
#include "definition/parse_state.h"

namespace fx {

// Reads the preprocessed text line by line: section headers, shader and script source
// lines, preset lines, routing and settings keys and parameter attributes. An exception
// while handling a line writes "exception on line <line>" to standard output and stops
// the reading; what was read so far stays.
void read_definition_lines(EffectDefinition& def, const std::string& text, ParseState& state);

}  // namespace fx
