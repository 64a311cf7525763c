#pragma once
// The definition model as JSON, keyed by the model's own field names: "settings",
// "params", "routing", "preset_entries", "preset_records", "pass_source",
// "script_source" and "vertex_source".
#include <string>
#include <string_view>

#include "definition/effect_definition.h"

namespace fx::fxhost {

struct DescribeContext {
    std::string origin;  // "built-in" or the path of the definition file
    // The parser's diagnostics, one "<origin>:<line>: warning|error: <message>" line each.
    std::string parser_output;
};

// Counts in the model (param_count, pass_count, layer_count, script_count,
// preset_record_count) are clamped to their storage, so even a damaged model describes
// without reading outside it.
std::string definition_json(const EffectDefinition& def, const DescribeContext& context);

}  // namespace fx::fxhost
