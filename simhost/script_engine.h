#pragma once
// The host's scripting engine: a script text run in an embedded ECMAScript interpreter
// (Duktape), one fresh interpreter per script so that no script sees another's globals.
#include <string>
#include <string_view>

namespace fx {

struct ScriptOutcome {
    bool ok = false;
    // The completion value as a string when ok ("" when the script completes with
    // undefined); otherwise the engine's error message ("ReferenceError: identifier 'x'
    // undefined").
    std::string text;
};

ScriptOutcome run_script(std::string_view source);

}  // namespace fx
