#include "definition/parse_diagnostic.h"

namespace fx {

const char* severity_word(ParseDiagnostic::Severity severity) {
    return severity == ParseDiagnostic::Severity::error ? "error" : "warning";
}

}  // namespace fx
