#include "definition/preprocess.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "definition/parser_message.h"
#include "definition/text_edit.h"
#include "definition/text_search.h"

namespace fx {
namespace {

constexpr std::string_view kMacroMarker = "##";

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
    const TextSearch search(from);
    std::size_t before = 0;
    for (std::size_t at = search.find(text); at != std::string::npos && at + from.size() <= marker;
         at = search.find(text, at + from.size()))
        ++before;
    return marker - before * from.size() + before * to.size();
}

}  // namespace

void expand_macros(std::string& text) {
    std::size_t area = text.find("[sho");
    if (area == std::string::npos) return;
    std::size_t work = 0;
    for (int handled = 0; handled < kMaxMacros; ++handled) {
        work += text.size();
        if (work > kMaxRewriteWork) {
            report_parser_message(
                "definition macros: more than 64 MiB of text to rewrite; the macro definitions"
                " still in the text are not applied");
            return;
        }
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
        if (!replace_all(text, use, body, kMaxDefinitionText)) {
            report_parser_message("definition macros: using \"" + name.substr(0, 40) +
                                  "\" would make the text longer than 16 MiB; it and the later macros are not applied");
            return;
        }
        area = moved_area;
    }
}

std::size_t apply_replace_block(std::string& text) {
    const std::size_t begin = text.find("[repl");
    if (begin == std::string::npos) return 0;
    std::size_t end = text.find("[vs", begin);
    if (end == std::string::npos) end = text.find("[ps", begin);
    if (end == std::string::npos) end = text.size() - 1;  // the block stops short of the last character
    int applied = 0;
    std::size_t work = 0;
    std::size_t steps = 0;
    for (const std::string& line : replace_block_lines(text, begin, end)) {
        const std::size_t bar = line.find('|');
        if (bar == std::string::npos) continue;
        work += text.size() + bar;
        if (++applied > kMaxReplacements || work > kMaxRewriteWork) {
            report_parser_message("definition [replace]: more than " + std::to_string(kMaxReplacements) +
                                  " lines or 64 MiB of text to search; the lines from \"" + line.substr(0, 40) +
                                  "\" on are ignored");
            return steps;
        }
        // An empty search text would match everywhere; such a line replaces nothing.
        std::size_t line_steps = 0;
        const bool fits = replace_all(text, std::string_view(line).substr(0, bar),
                                      std::string_view(line).substr(bar + 1), kMaxDefinitionText, &line_steps);
        steps += line_steps;
        if (!fits) {
            report_parser_message("definition [replace]: replacing \"" +
                                  line.substr(0, std::min<std::size_t>(bar, 40)) +
                                  "\" would make the text longer than 16 MiB; it and the lines after it are ignored");
            return steps;
        }
    }
    return steps;
}

}  // namespace fx
