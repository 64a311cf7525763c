#include "host/param_name.h"

#include <gtest/gtest.h>

#include <string>

namespace fx {
namespace {

struct NameRow {
    const char* label;
    std::string display;
    std::string expected;
};

void PrintTo(const NameRow& row, std::ostream* os) { *os << row.label; }

class ParamNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(ParamNameTest, CutsToTheHostsLimit) { EXPECT_EQ(host_param_name(GetParam().display), GetParam().expected); }

const std::string a31(31, 'a');

INSTANTIATE_TEST_SUITE_P(Rows, ParamNameTest,
                         ::testing::Values(NameRow{"short", "Speed", "Speed"}, NameRow{"exactly_the_limit", a31, a31},
                                           NameRow{"one_over", a31 + "b", a31},
                                           // A two-byte character whose second byte would be byte 32 goes whole.
                                           NameRow{"two_byte_character_across_the_limit",
                                                   std::string(30, 'a') + "\xC3\x84", std::string(30, 'a')},
                                           NameRow{"two_byte_character_at_the_limit",
                                                   std::string(29, 'a') + "\xC3\x84" + "b",
                                                   std::string(29, 'a') + "\xC3\x84"},
                                           // Four bytes from byte 29 on: three of them fit, none is kept.
                                           NameRow{"four_byte_character_across_the_limit",
                                                   std::string(29, 'a') + "\xF0\x9F\x98\x80", std::string(29, 'a')},
                                           // Bytes that are no UTF-8 continuation at all: cut at the limit.
                                           NameRow{"other_encoding", std::string(40, '\x85'), std::string(31, '\x85')},
                                           NameRow{"empty", "", ""}),
                         [](const ::testing::TestParamInfo<NameRow>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fx
