// The filter-list syntax of the file dialogs.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/file_filters.h"

namespace fx::platform {
namespace {

struct FilterCase {
    const char* name;
    const char* text;
    std::vector<std::pair<std::string, std::string>> groups;  // name, pattern
};

class Filters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Filters, ParseIntoGroupsAndPatterns) {
    const FilterCase& c = GetParam();
    FilterList list = ParseFilters(c.text);
    ASSERT_EQ(list.size(), c.groups.size()) << c.text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].name, c.groups[i].first) << c.text << " group " << i;
        EXPECT_EQ(filter_pattern(list[i]), c.groups[i].second) << c.text << " group " << i;
    }
    FreeFilters(list);
    EXPECT_TRUE(list.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Filters,
    ::testing::Values(FilterCase{"one_group", "Images:png,jpg,jpeg", {{"Images", "*.png;*.jpg;*.jpeg"}}},
                      FilterCase{"two_groups", "Images:png;Presets:fxpr", {{"Images", "*.png"}, {"Presets", "*.fxpr"}}},
                      FilterCase{"empty_text", "", {}},
                      FilterCase{"empty_groups_skipped", ";Images:png;;", {{"Images", "*.png"}}},
                      FilterCase{"empty_extensions_skipped", "All:,png,,jpg,", {{"All", "*.png;*.jpg"}}},
                      FilterCase{"group_without_extensions", "Nothing:", {{"Nothing", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Filters, AGroupWithoutANameIsAProgrammingError) {
    for (const char* text : {":png", "png,jpg", "Images:png;jpg"}) {
        try {
            ParseFilters(text);
            ADD_FAILURE() << text << " was accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "patterns") << text;
        }
    }
}

TEST(Filters, PatternSeparatorIsTheCallers) {
    const FilterList list = ParseFilters("Images:png,jpg");
    EXPECT_EQ(filter_pattern(list[0], " "), "*.png *.jpg");
}

}  // namespace
}  // namespace fx::platform
