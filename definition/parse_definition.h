#pragma once

#include <string>

#include "definition/effect_definition.h"
#include "definition/parse_environment.h"

namespace fx {

// Parses one effect definition text into `def`, replacing its whole content. Never
// fails as a whole: unknown keys and sections are ignored (and reported to
// `env.diagnostics` when it is set), and a line that cannot be handled is reported as
// "exception on line <line>" (on standard output, or to `env.diagnostics`) and ends the
// reading, after which the definition is still completed. NUL bytes in the text and in
// included files are dropped. `env` supplies include files, preset folders and the
// built-in texts. Time and memory stay bounded whatever the text (source_bounds.h);
// what a bound cuts is reported on standard output as well.
void parse_definition(EffectDefinition& def, std::string text, const ParseEnvironment& env);

// The same into the process-wide definition with default_parse_environment().
void parse_definition(std::string text);

}  // namespace fx
