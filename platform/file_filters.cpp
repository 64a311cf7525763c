#include "platform/file_filters.h"

#include <stdexcept>

namespace fx::platform {
namespace {

FilterGroup parse_group(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) throw std::invalid_argument("patterns");
    FilterGroup group{std::string(text.substr(0, colon)), {}};
    std::string_view rest = text.substr(colon + 1);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view extension = rest.substr(0, comma);
        if (!extension.empty()) group.extensions.emplace_back(extension);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return group;
}

}  // namespace

FilterList ParseFilters(std::string_view text) {
    FilterList list;
    while (!text.empty()) {
        const std::size_t semicolon = text.find(';');
        const std::string_view group = text.substr(0, semicolon);
        if (!group.empty()) list.push_back(parse_group(group));
        if (semicolon == std::string_view::npos) break;
        text.remove_prefix(semicolon + 1);
    }
    return list;
}

void FreeFilters(FilterList& list) noexcept {
    list.clear();
    list.shrink_to_fit();
}

std::string filter_pattern(const FilterGroup& group, std::string_view separator) {
    std::string pattern;
    for (const std::string& extension : group.extensions) {
        if (!pattern.empty()) pattern += separator;
        pattern += "*." + extension;
    }
    return pattern;
}

}  // namespace fx::platform
