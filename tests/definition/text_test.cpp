#include "definition/text.h"

#include <gtest/gtest.h>

#include <string>

namespace fx {
namespace {

TEST(Text, FreshTextIsEmptyAndNeverNull) {
    const Text text;
    ASSERT_NE(text.c_str(), nullptr);
    EXPECT_STREQ(text.c_str(), "");
    EXPECT_TRUE(text.empty());
}

TEST(Text, AssignmentCopiesAndTerminates) {
    struct Row {
        const char* name;
        std::string value;
        std::string expected;
    };
    const Row rows[] = {
        {"plain", "abc", "abc"},
        {"empty", "", ""},
        {"embedded NUL ends the text", std::string("ab\0cd", 5), "ab"},
        {"high bytes kept", "\xC3\xA9t\xE9", "\xC3\xA9t\xE9"},
    };
    for (const Row& row : rows) {
        Text text = "previous content that is longer";
        text = row.value;
        EXPECT_EQ(text.str(), row.expected) << row.name;
        EXPECT_EQ(text.size(), row.expected.size()) << row.name;
        EXPECT_EQ(text.c_str()[text.size()], '\0') << row.name;
    }
}

TEST(Text, NullPointerReadsAsEmpty) {
    Text text = "x";
    text = static_cast<const char*>(nullptr);
    EXPECT_STREQ(text.c_str(), "");
}

TEST(Text, CopiesOwnTheirBuffer) {
    Text a = "one";
    Text b = a;
    a = "two";
    EXPECT_EQ(b, "one");
    EXPECT_NE(a.c_str(), b.c_str());
    b = b;  // self-assignment keeps the content
    EXPECT_EQ(b, "one");
}

TEST(Text, AssignFromOwnView) {
    Text a = "abcdef";
    a = a.view().substr(2);
    EXPECT_EQ(a, "cdef");
}

}  // namespace
}  // namespace fx
