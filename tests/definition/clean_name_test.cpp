#include "definition/clean_name.h"

#include <gtest/gtest.h>

namespace fx {
namespace {

struct CleanCase {
    const char* name;
    std::string text;
    std::string expected;
};

class CleanNameTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanNameTest, KeepsASafeFolderName) {
    const CleanCase& c = GetParam();
    EXPECT_EQ(clean_name(c.text), c.expected) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Rows, CleanNameTest,
                         ::testing::Values(CleanCase{"plain", "Morvelline 2 Pro", "Morvelline 2 Pro"},
                                           CleanCase{"separators_and_quotes_left_out", "a/b\\c'd\"e", "abcde"},
                                           CleanCase{"stops_at_control_byte", "Name\tTail", "Name"},
                                           CleanCase{"stops_at_line_end", "Name\r\nmore", "Name"},
                                           CleanCase{"stops_above_7f", "Caf\xc3\xa9 Bar", "Caf"},
                                           CleanCase{"keeps_7f",
                                                     std::string("a\x7f"
                                                                 "b"),
                                                     std::string("a\x7f"
                                                                 "b")},
                                           CleanCase{"stops_at_nul", std::string("ab\0cd", 5), "ab"},
                                           CleanCase{"empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fx
