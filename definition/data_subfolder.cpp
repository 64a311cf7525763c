#include "definition/data_subfolder.h"

namespace fx {
namespace {

bool is_separator(char c) { return c == '/' || c == '\\'; }

bool leaves_the_folder(std::string_view level) {
    if (level.find(':') != std::string_view::npos) return true;
    return level.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

DataSubfolder data_subfolder(std::string_view text) {
    DataSubfolder result;
    result.dropped = !text.empty() && is_separator(text[0]);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = start;
        while (stop < text.size() && !is_separator(text[stop])) ++stop;
        const std::string_view level = text.substr(start, stop - start);
        start = stop + 1;
        if (level.empty()) continue;
        if (leaves_the_folder(level)) {
            result.dropped = true;
            continue;
        }
        if (!result.folder.empty()) result.folder.push_back('\\');
        result.folder.append(level);
    }
    return result;
}

}  // namespace fx
