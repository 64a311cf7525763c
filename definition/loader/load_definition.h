#pragma once
// Obtaining the effect definition text and parsing it into the definition model.
//
// Where the text comes from, first match wins:
//  1. the environment variable FX_DEFINITION_FILE, when it is set and not empty: the
//     file it names (lets a developer or a user try a definition without rebuilding;
//     the Options button re-reads it, so edits show without restarting the host);
//  2. a built-in text that begins with the 11-character marker: the file
//     <per-user data folder>/Quenly/Morvelline 2 Pro/Morvelline 2 Pro.fxdef, whose folders
//     are created when missing;
//  3. the built-in definition itself.
// A file that is missing or unreadable gives an empty text, which parses into slot 0 only
// with default settings; the loader reports nothing itself.
#include <string>
#include <string_view>

#include "definition/effect_definition.h"
#include "definition/parse_environment.h"

namespace fx {

inline constexpr const char* kDefinitionFileVariable = "FX_DEFINITION_FILE";

// Where a definition text came from.
struct DefinitionText {
    std::string text;
    std::string path;  // the file read, or "" for the built-in text
};

// The text to parse, given the built-in definition text (see the order above).
DefinitionText obtain_definition_text(std::string_view builtin_definition);

// Parses `text` into `def` as a load does: an empty `bundlename` afterwards becomes the
// built-in effect name.
void parse_loaded_definition(EffectDefinition& def, std::string text, const ParseEnvironment& env);

// Parses the text obtained from `builtin_definition` into `def` (parse_loaded_definition).
void load_definition(EffectDefinition& def, std::string_view builtin_definition, const ParseEnvironment& env);

// The product's load: the process-wide definition from the built-in text, with the
// platform's parse environment. Called at global set-up and by the Options button.
void load_definition();

}  // namespace fx
