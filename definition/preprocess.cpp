#include "definition/preprocess.h"

#include <string_view>
#include <vector>

#include "definition/text_edit.h"

namespace fx {
namespace {

constexpr std::string_view kInclude = "#include";
constexpr std::string_view kIncludeTail = "\n//include";
constexpr std::string_view kMacroMarker = "##";

// The rest of the include line without blanks and double quotes. A quoted name ends at
// its closing quote, so that `#include "common.txt" // shared code` still finds the file;
// the whole line is kept as a comment after the inclusion anyway.
std::string include_file_name(const std::string& text, std::size_t at) {
    const std::size_t start = at + kInclude.size();
    const std::size_t end = text.find_first_of("\r\n", start);
    const std::string_view rest =
        trim(std::string_view(text).substr(start, end == std::string::npos ? end : end - start), kBlanks);
    if (rest.size() >= 2 && rest[0] == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close != std::string_view::npos) return std::string(rest.substr(1, close - 1));
    }
    std::string name(rest);
    std::erase(name, '"');
    return name;
}

// Lines of the replacement block, carriage returns counted as line ends, trimmed and
// non-empty.
std::vector<std::string> replace_block_lines(const std::string& text, std::size_t begin, std::size_t end) {
    std::string block = text.substr(begin, end - begin);
    for (char& c : block)
        if (c == '\r') c = '\n';
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= block.size()) {
        std::size_t stop = block.find('\n', start);
        if (stop == std::string::npos) stop = block.size();
        const std::string_view line = trim(std::string_view(block).substr(start, stop - start), kBlanks);
        if (!line.empty()) lines.emplace_back(line);
        start = stop + 1;
    }
    return lines;
}

// Where the macro area's "[sho" marker stands after every `from` ahead of it has become
// `to`. Uses of a macro ahead of the area change the length of the text before
// it; without following the marker, the search for the next definition would start inside
// the text ahead of the area (and take a use there for a definition) or past the area's
// first definitions.
std::size_t marker_after_replacement(const std::string& text, std::size_t marker, std::string_view from,
                                     std::string_view to) {
    // Only uses that end before the marker move it; a use standing across the marker (its
    // name holds the marker's "[") leaves the area starting inside that use's body.
    std::size_t before = 0;
    for (std::size_t at = text.find(from); at != std::string::npos && at + from.size() <= marker;
         at = text.find(from, at + from.size()))
        ++before;
    return marker - before * from.size() + before * to.size();
}

}  // namespace

void expand_includes(std::string& text, const std::function<std::string(const std::string&)>& read_file) {
    int included = 0;
    for (std::size_t at = text.find(kInclude); at != std::string::npos; at = text.find(kInclude)) {
        const std::string name = include_file_name(text, at);
        std::string content;
        // "#include" with nothing after it names no file; past the limit an include is taken
        // as a missing file so that cycles end.
        if (!name.empty() && included < kMaxIncludes && read_file) content = read_file(name);
        std::erase(content, '\0');
        ++included;
        if (text.size() + content.size() + kIncludeTail.size() > kMaxDefinitionText + kInclude.size()) content.clear();
        text.replace(at, kInclude.size(), content + std::string(kIncludeTail));
    }
}

void expand_macros(std::string& text) {
    std::size_t area = text.find("[sho");
    if (area == std::string::npos) return;
    std::size_t work = 0;
    for (int handled = 0; handled < kMaxMacros; ++handled) {
        work += text.size();
        if (work > kMaxRewriteWork) return;
        const std::size_t open = text.find(kMacroMarker, area);
        if (open == std::string::npos) return;
        const std::string_view rest = std::string_view(text).substr(open + kMacroMarker.size());
        const std::size_t name_end = std::min(rest.find_first_of(" \r\n"), rest.find(kMacroMarker));
        // A name that runs to the end of the text defines nothing; the text stays as it is.
        if (name_end == std::string_view::npos) return;
        const std::string name(rest.substr(0, name_end));
        std::string body;
        std::size_t definition_size = 0;
        if (rest.substr(name_end, kMacroMarker.size()) == kMacroMarker) {
            // "##name##": the closing marker ends the name, the body is empty.
            definition_size = kMacroMarker.size() + name_end + kMacroMarker.size();
        } else {
            const std::size_t close = rest.find(kMacroMarker, name_end + 1);
            // An unclosed definition would swallow the rest of the text; leave it alone.
            if (close == std::string_view::npos) return;
            body = std::string(rest.substr(name_end + 1, close - name_end - 1));
            definition_size = kMacroMarker.size() + close + kMacroMarker.size();
        }
        text.erase(open, definition_size);
        // An empty name would turn every remaining "##" into the body, later definitions
        // included; such a definition is only removed.
        if (name.empty()) continue;
        const std::string use = std::string(kMacroMarker) + name;
        const std::size_t moved_area = marker_after_replacement(text, area, use, body);
        if (!replace_all(text, use, body, kMaxDefinitionText)) return;
        area = moved_area;
    }
}

void apply_replace_block(std::string& text) {
    const std::size_t begin = text.find("[repl");
    if (begin == std::string::npos) return;
    std::size_t end = text.find("[vs", begin);
    if (end == std::string::npos) end = text.find("[ps", begin);
    if (end == std::string::npos) end = text.size() - 1;  // the block stops short of the last character
    int applied = 0;
    std::size_t work = 0;
    for (const std::string& line : replace_block_lines(text, begin, end)) {
        const std::size_t bar = line.find('|');
        if (bar == std::string::npos) continue;
        work += text.size();
        if (++applied > kMaxReplacements || work > kMaxRewriteWork) return;
        // An empty search text would match everywhere; such a line replaces nothing.
        if (!replace_all(text, std::string_view(line).substr(0, bar), std::string_view(line).substr(bar + 1),
                         kMaxDefinitionText))
            return;
    }
}

}  // namespace fx
