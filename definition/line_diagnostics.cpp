#include "definition/line_diagnostics.h"

#include <utility>

namespace fx {

LineDiagnostics::LineDiagnostics(ParseDiagnosticSink sink, std::string_view written, std::string_view expanded)
    : sink_(std::move(sink)), written_(written), expanded_(expanded) {}

void LineDiagnostics::report(ParseDiagnostic::Severity severity, std::string message) {
    if (!sink_) return;
    if (!origins_) origins_.emplace(written_, expanded_);
    sink_(ParseDiagnostic{origins_->written_line(index_), severity, std::move(message)});
}

}  // namespace fx
