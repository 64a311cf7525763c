#include "simhost/fxhost/json_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/fxhost/report_json.h"

namespace fx::fxhost {
namespace {

struct StringCase {
    const char* name;
    std::string bytes;
    std::string decoded;  // the string a JSON reader gets back, as UTF-8
};

class JsonStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStringTest, KeepsEveryByteAndWritesValidJson) {
    const Json value = json_string(GetParam().bytes);
    const std::string written = value.dump();
    const Json back = test::parse_json(written);
    EXPECT_EQ(back.get<std::string>(), GetParam().decoded) << written;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JsonStringTest,
    ::testing::Values(StringCase{"plain", "abc", "abc"}, StringCase{"quote_and_backslash", "a\"b\\c", "a\"b\\c"},
                      StringCase{"controls", std::string("\0\n\x1f\x7f", 4), std::string("\0\n\x1f\x7f", 4)},
                      StringCase{"two_byte_utf8_kept", "\xc3\xa9", "\xc3\xa9"},
                      StringCase{"four_byte_utf8_kept", "\xf0\x9f\x8e\xac", "\xf0\x9f\x8e\xac"},
                      StringCase{"lone_lead_byte", "\xc3", "\xc3\x83"},
                      StringCase{"overlong_slash", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
                      StringCase{"surrogate_half", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
                      StringCase{"above_unicode", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
                      StringCase{"truncated_three_byte", "\xe2\x82", "\xc3\xa2\xc2\x82"},
                      StringCase{"latin1_then_utf8", "\xff\xc3\xa9", "\xc3\xbf\xc3\xa9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonFloat, FiniteValuesReadBackExactlyInTheirShortestForm) {
    for (float value : {0.1f, -2.5f, 1e-45f, 3.4028235e38f, 16777216.0f, 1.0f / 3.0f, -0.0f}) {
        const std::string text = json_float(value).dump();
        const float back = test::json_as_float(test::parse_json(text));
        EXPECT_EQ(back, value) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
    }
    EXPECT_EQ(json_float(0.1f).dump(), "0.1") << "written as the float's digits, not the double's";
    EXPECT_EQ(json_float(-2.5f).dump(), "-2.5");
}

TEST(JsonFloat, NonFiniteValuesBecomeStrings) {
    EXPECT_EQ(json_float(std::numeric_limits<float>::quiet_NaN()), Json("NaN"));
    EXPECT_EQ(json_float(std::numeric_limits<float>::infinity()), Json("Infinity"));
    EXPECT_EQ(json_float(-std::numeric_limits<float>::infinity()), Json("-Infinity"));
}

TEST(JsonReport, KeepsMemberOrderAndEndsWithALineFeed) {
    Json report = Json::object();
    report["zeta"] = 1;
    report["alpha"] = json_string("caf\xc3\xa9");
    const std::string text = json_report(report);
    EXPECT_EQ(text, "{\n  \"zeta\": 1,\n  \"alpha\": \"caf\xc3\xa9\"\n}\n");
}

}  // namespace
}  // namespace fx::fxhost
