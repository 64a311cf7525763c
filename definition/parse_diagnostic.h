#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace fx {

// Something the parser ignored or could not read, for a person fixing a definition.
struct ParseDiagnostic {
    enum class Severity { warning, error };

    // 1-based line of the definition text as its author wrote it (before includes,
    // macros and replacements). A line that an "#include" or a macro use brought in
    // carries the line of that "#include" or macro use, since the included file or macro
    // body is not the text the author handed over.
    int32_t line = 0;
    Severity severity = Severity::warning;
    std::string message;  // e.g. unknown key "colr"
};

using ParseDiagnosticSink = std::function<void(const ParseDiagnostic&)>;

// "warning" or "error".
const char* severity_word(ParseDiagnostic::Severity severity);

}  // namespace fx
