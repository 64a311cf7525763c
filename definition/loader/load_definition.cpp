#include "definition/loader/load_definition.h"

#include <cstdlib>

#include "definition/clean_name.h"
#include "definition/loader/builtin_text.h"
#include "definition/loader/platform_parse_environment.h"
#include "definition/loader/read_file.h"
#include "definition/parse_definition.h"
#include "definition/parser_message.h"
#include "platform/app_data_folder.h"
#include "platform/file_tree.h"
#include "platform/path.h"
#include "platform/regular_file.h"

namespace fx {
namespace {

constexpr size_t kMarkerLength = 11;

// The definition file's text. A pipe, device or folder given as the definition (through
// FX_DEFINITION_FILE, say) is refused without waiting on it, and said so; the definition
// is then empty, as for a missing file.
std::string read_definition_file(const std::string& path) {
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other)
        report_parser_message("definition file \"" + path +
                              "\": not a regular file (a folder, pipe or device), expected a definition file;"
                              " the definition is empty");
    return read_file(path);
}

// The per-user definition file of the marker case. Without a known per-user folder there
// is no place to look: the text stays empty rather than folders being made at the root
// of the file system.
DefinitionText redirected_definition(const std::string& effect_name) {
    std::string user_folder = platform::app_data_folder(platform::DataScope::per_user);
    if (user_folder.empty()) return {};
    std::string folder = platform::join_path(user_folder, builtin_text(BuiltinText::definition_folder) + effect_name);
    platform::create_folder(folder);
    std::string path = platform::join_path(folder, effect_name + builtin_text(BuiltinText::definition_extension));
    return {read_definition_file(path), path};
}

}  // namespace

DefinitionText obtain_definition_text(std::string_view builtin_definition) {
    const char* override_path = std::getenv(kDefinitionFileVariable);
    if (override_path && *override_path) return {read_definition_file(override_path), override_path};

    // The text ends at its first NUL, as a C string stored in the library would.
    std::string_view text = builtin_definition.substr(0, builtin_definition.find('\0'));
    std::string marker = builtin_text(BuiltinText::definition_marker);
    if (text.size() >= kMarkerLength && text.substr(0, kMarkerLength) == marker.substr(0, kMarkerLength))
        return redirected_definition(clean_name(kBuiltinEffectName));
    // An enciphered built-in text is not produced by this build: the built-in definition is
    // stored scrambled like the other built-in texts and used as it stands here.
    return {std::string(text), ""};
}

void parse_loaded_definition(EffectDefinition& def, std::string text, const ParseEnvironment& env) {
    parse_definition(def, std::move(text), env);
    if (def.settings.bundlename.empty()) def.settings.bundlename = clean_name(kBuiltinEffectName);
}

void load_definition(EffectDefinition& def, std::string_view builtin_definition, const ParseEnvironment& env) {
    parse_loaded_definition(def, obtain_definition_text(builtin_definition).text, env);
}

void load_definition() {
    load_definition(effect_definition(), builtin_text(BuiltinText::definition), platform_parse_environment());
}

}  // namespace fx
