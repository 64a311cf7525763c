#include "definition/parse_definition.h"

#include <optional>

#include <string>

#include "definition/complete_definition.h"
#include "definition/definition_lines.h"
#include "definition/line_diagnostics.h"
#include "definition/parse_state.h"
#include "definition/parser_message.h"
#include "definition/preprocess.h"

namespace fx {
namespace {

// Slot 0 is always the effect's own input layer.
void reset_definition(EffectDefinition& def) {
    def.reset_settings();
    for (int32_t slot = 0; slot < kSlotCount; ++slot) def.reset_slot(slot);
    ParamDef& input = def.params[0];
    input.param = "in0";
    input.display = "Source";
    input.type = kParamLayer;
    input.components = 0;
    def.settings.param_count = 1;
    // Sources are cleared even for a text too short to parse, so that a reload with an
    // empty definition keeps no shaders of the previous one.
    def.reset_sources();
}

}  // namespace

void parse_definition(EffectDefinition& def, std::string text, const ParseEnvironment& env) {
    // A definition is 8-bit text; a NUL byte (a stray byte, or a file saved as UTF-16) would
    // silently end every model text built from it, so NUL bytes are dropped here and in
    // included files.
    std::erase(text, '\0');
    // Diagnostics name lines of the text as written, so that text is kept for them.
    const std::string written = env.diagnostics ? text : std::string();
    // What the steps below refuse or cut reaches the same sink, as warnings of the
    // whole text (line 0): those steps work on the expanded text, not on lines.
    std::optional<ParserMessageRoute> route;
    if (env.diagnostics)
        route.emplace([&env](std::string_view message) {
            env.diagnostics(ParseDiagnostic{0, ParseDiagnostic::Severity::warning, std::string(message)});
        });
    expand_includes(text, env.read_file);
    reset_definition(def);
    if (text.size() < 3) return;
    expand_macros(text);
    apply_replace_block(text);
    ParseState state;
    LineDiagnostics diagnostics(env.diagnostics, written, text);
    if (env.diagnostics) state.diagnostics = &diagnostics;
    read_definition_lines(def, text, state);
    complete_definition(def, state, env);
}

void parse_definition(std::string text) {
    parse_definition(effect_definition(), std::move(text), default_parse_environment());
}

}  // namespace fx
