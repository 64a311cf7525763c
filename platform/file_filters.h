#pragma once
// The filter lists of the file dialogs, written as text: groups separated by ";", each a
// display name, ":" and a comma-separated list of extensions without dots
// ("Images:png,jpg,jpeg;Presets:fxpr").
#include <string>
#include <string_view>
#include <vector>

namespace fx::platform {

struct FilterGroup {
    std::string name;
    std::vector<std::string> extensions;  // in the order written, without dots
};

using FilterList = std::vector<FilterGroup>;

// Throws std::invalid_argument("patterns") for a group without a name before its ":":
// filter texts are written by the program, so such a text is a programming error.
// Empty groups (";;") are skipped.
FilterList ParseFilters(std::string_view text);
void FreeFilters(FilterList& list) noexcept;

// "*.png;*.jpg;*.jpeg": the group's extensions as the dialogs match them.
std::string filter_pattern(const FilterGroup& group, std::string_view separator = ";");

}  // namespace fx::platform
