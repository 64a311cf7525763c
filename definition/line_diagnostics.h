#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "definition/line_origins.h"
#include "definition/parse_diagnostic.h"

namespace fx {

// Hands the parser's diagnostics about the line being read to the caller's sink, with the
// line number of the text as written. The line map is built on the first diagnostic only,
// so a clean definition costs nothing.
class LineDiagnostics {
public:
    // `written` is the text before preprocessing, `expanded` the text being read; both
    // must outlive this object.
    LineDiagnostics(ParseDiagnosticSink sink, std::string_view written, std::string_view expanded);

    // The 0-based line of the expanded text now being read.
    void at_line(int32_t index) { index_ = index; }

    void warn(std::string message) { report(ParseDiagnostic::Severity::warning, std::move(message)); }
    void error(std::string message) { report(ParseDiagnostic::Severity::error, std::move(message)); }

private:
    void report(ParseDiagnostic::Severity severity, std::string message);

    ParseDiagnosticSink sink_;
    std::string_view written_;
    std::string_view expanded_;
    std::optional<LineOrigins> origins_;
    int32_t index_ = 0;
};

}  // namespace fx
