#include "tests/fuzz/parse_definition_fuzz_target.h"

#include <algorithm>
#include <memory>

#include "definition/parse_definition.h"
#include "definition/source_bounds.h"
#include "simhost/fxhost/definition_json.h"

namespace fx::test {
namespace {

// Longest text one include of "big:" makes: long enough that a handful of includes, pass
// references or preset lines pass every bound of source_bounds.h.
constexpr std::size_t kBigInclude = std::size_t{2} << 20;

// "big:<piece>" is <piece> repeated ("\n" in it a line feed) up to what the include may
// read, at most kBigInclude bytes: a fuzz input of a few bytes thereby reaches the size
// bounds (popup items, preset records, inline fields, pass copies, the text and read
// budgets) that inputs of a few hundred bytes never reach.
std::string big_include(std::string piece, std::size_t max_bytes) {
    for (std::size_t at = piece.find("\\n"); at != std::string::npos; at = piece.find("\\n", at + 1))
        piece.replace(at, 2, "\n");
    if (piece.empty()) piece = "x";
    std::string out;
    const std::size_t size = std::min(max_bytes, kBigInclude);
    out.reserve(size);
    while (out.size() + piece.size() <= size) out += piece;
    return out;
}

// File access stays inside the process: every include names a file that includes itself
// again (so include cycles are always exercised), except the "big:" ones; every preset
// folder holds the same three files, one with a "|" in its name, and a folder whose text
// holds "many" more files than a popup shows.
ParseEnvironment fuzz_environment() {
    ParseEnvironment env = default_parse_environment();
    env.read_file = [](const std::string& path, std::size_t max_bytes) {
        if (path.rfind("big:", 0) == 0) return big_include(path.substr(4), max_bytes);
        return "#include " + path + "\n[par]\nname=inc\n";
    };
    env.list_files = [](const std::string& folder, const std::string& filter) {
        std::vector<std::string> files{folder + "a" + filter, folder + "Dark\\b_c" + filter,
                                       folder + "odd|name" + filter};
        if (folder.find("many") != std::string::npos)
            for (int i = 0; i <= kMaxPopupItems; ++i) files.push_back(folder + "p" + std::to_string(i) + filter);
        return files;
    };
    env.common_app_data_folder = [] { return std::string("C:\\ProgramData"); };
    env.user_app_data_folder = [] { return std::string("/home/fuzz/.local/share"); };
    return env;
}

std::string broken_invariant(const EffectDefinition& def, size_t text_size) {
    const EffectSettings& s = def.settings;
    // Slot 0 starts as the input layer, but a "[par]" or "[par0]" section may rewrite it,
    // so only the counts and the completion steps are invariant.
    if (s.param_count < 1 || s.param_count > kSlotCount) return "param_count " + std::to_string(s.param_count);
    if (s.layer_count < 1 || s.layer_count > kMaxInputs) return "layer_count " + std::to_string(s.layer_count);
    if (s.pass_count < 0 || s.pass_count > kMaxPasses) return "pass_count " + std::to_string(s.pass_count);
    if (s.script_count < 0 || s.script_count > kScriptSlots) return "script_count " + std::to_string(s.script_count);
    if (s.text_count < 0 || s.text_count > kMaxTexts) return "text_count " + std::to_string(s.text_count);
    if (s.image_count < 0 || s.image_count > kMaxImages) return "image_count " + std::to_string(s.image_count);
    if (s.preset_record_count < 0 || (s.preset_record_count > 0 && !s.preset_records)) return "preset records";
    if (text_size >= 3) {
        // The completion steps ran.
        if (s.imgwidth < 1 || s.imgheight < 1) return "image area below 1";
        if (def.vertex_source.view().find("#version") == std::string_view::npos)
            return "vertex source without #version";
        for (int pass = 0; pass < s.pass_count; ++pass)
            if (def.pass_source[pass].view().find("#version") == std::string_view::npos)
                return "pass " + std::to_string(pass) + " without #version";
    }
    return {};
}

}  // namespace

std::string fuzz_parse_definition(const uint8_t* data, size_t size, std::string* report) {
    static const ParseEnvironment base = fuzz_environment();
    auto def = std::make_unique<EffectDefinition>();
    std::string text(reinterpret_cast<const char*>(data), size);
    // Every diagnostic names a line of the text as given, or 0 for the text as a whole.
    const auto lines = static_cast<int32_t>(std::count(text.begin(), text.end(), '\n') + 1);
    std::string bad_line;
    ParseEnvironment env = base;
    env.diagnostics = [&](const ParseDiagnostic& d) {
        if (report != nullptr) *report += d.message + "\n";
        if (d.line < 0 || d.line > lines)
            bad_line = "diagnostic at line " + std::to_string(d.line) + " of " + std::to_string(lines);
    };
    parse_definition(*def, text, env);
    if (!bad_line.empty()) return bad_line;
    // The parser drops NUL bytes before it looks at the text's length.
    std::string broken = broken_invariant(*def, text.size() - std::count(text.begin(), text.end(), '\0'));
    if (!broken.empty()) return broken;
    std::string json = fxhost::definition_json(*def, {"fuzz", ""});
    if (json.empty() || json.front() != '{') return "describe output does not start an object";
    return {};
}

}  // namespace fx::test
