#include "simhost/fxhost/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/fxhost/json_value.h"

namespace fx::fxhost {
namespace {

struct StringCase {
    const char* name;
    std::string bytes;
    std::string json;
};

class JsonStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStringTest, EscapesByteSafely) { EXPECT_EQ(json_string(GetParam().bytes), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Rows, JsonStringTest,
    ::testing::Values(StringCase{"plain", "abc", "\"abc\""},
                      StringCase{"quote_and_backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
                      StringCase{"named_controls", "\n\r\t", "\"\\n\\r\\t\""},
                      StringCase{"other_controls", std::string("\0\x1f\x7f", 3), "\"\\u0000\\u001f\\u007f\""},
                      StringCase{"two_byte_utf8_kept", "\xc3\xa9", "\"\xc3\xa9\""},
                      StringCase{"four_byte_utf8_kept", "\xf0\x9f\x8e\xac", "\"\xf0\x9f\x8e\xac\""},
                      StringCase{"lone_lead_byte", "\xc3", "\"\\u00c3\""},
                      StringCase{"overlong_slash", "\xc0\xaf", "\"\\u00c0\\u00af\""},
                      StringCase{"surrogate_half", "\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},
                      StringCase{"above_unicode", "\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},
                      StringCase{"truncated_three_byte", "\xe2\x82", "\"\\u00e2\\u0082\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonFloat, FiniteValuesReadBackExactly) {
    for (float value : {0.1f, -2.5f, 1e-45f, 3.4028235e38f, 16777216.0f, 1.0f / 3.0f, -0.0f}) {
        std::string text = json_float(value);
        float back = std::strtof(text.c_str(), nullptr);
        EXPECT_EQ(back, value) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
        EXPECT_NO_THROW(test::parse_json(text)) << text;
    }
}

TEST(JsonFloat, NonFiniteValuesBecomeStrings) {
    EXPECT_EQ(json_float(std::numeric_limits<float>::quiet_NaN()), "\"NaN\"");
    EXPECT_EQ(json_float(std::numeric_limits<float>::infinity()), "\"Infinity\"");
    EXPECT_EQ(json_float(-std::numeric_limits<float>::infinity()), "\"-Infinity\"");
}

TEST(JsonWriter, NestsObjectsAndArraysIntoValidJson) {
    JsonWriter json;
    json.begin_object();
    json.key("empty_object");
    json.begin_object();
    json.end_object();
    json.key("empty_array");
    json.begin_array();
    json.end_array();
    json.key("row");
    json.begin_array(true);
    json.value(int32_t{1});
    json.value(2.5f);
    json.end_array();
    json.key("list");
    json.begin_array();
    json.begin_object();
    json.key("flag");
    json.value(true);
    json.end_object();
    json.value("text");
    json.end_array();
    json.end_object();
    test::JsonValue value = test::parse_json(json.text());
    EXPECT_EQ(value.member_order, (std::vector<std::string>{"empty_object", "empty_array", "row", "list"}));
    EXPECT_EQ(value["row"][1].text, "2.5");
    EXPECT_TRUE(value["list"][0]["flag"].boolean);
    EXPECT_EQ(value["list"][1].text, "text");
    EXPECT_NE(json.text().find("\"row\": [1, 2.5]"), std::string::npos) << json.text();
}

TEST(JsonWriter, RefusesMisuseInsteadOfWritingBrokenJson) {
    JsonWriter value_without_key;
    value_without_key.begin_object();
    EXPECT_THROW(value_without_key.value(true), std::logic_error);

    JsonWriter key_in_array;
    key_in_array.begin_array();
    EXPECT_THROW(key_in_array.key("k"), std::logic_error);
    EXPECT_THROW(key_in_array.end_object(), std::logic_error);

    JsonWriter two_documents;
    two_documents.value(int32_t{1});
    EXPECT_THROW(two_documents.value(int32_t{2}), std::logic_error);
}

}  // namespace
}  // namespace fx::fxhost
