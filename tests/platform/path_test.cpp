#include "platform/path.h"

#include <gtest/gtest.h>

namespace fx::platform {
namespace {

struct JoinCase {
    const char* name;
    const char* folder;
    const char* file;
    const char* expected;
};

class JoinPathTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathTest, AddsOneSeparatorOnlyWhereNeeded) {
    const JoinCase& c = GetParam();
    EXPECT_EQ(join_path(c.folder, c.file), c.expected) << "folder \"" << c.folder << "\" file \"" << c.file << "\"";
}

// The separator added is the platform's own ("\\" on Windows); one already there is kept.
#ifdef _WIN32
#define FX_SEPARATOR "\\"
#else
#define FX_SEPARATOR "/"
#endif
INSTANTIATE_TEST_SUITE_P(Rows, JoinPathTest,
                         ::testing::Values(JoinCase{"plain", "/data/fx", "a.txt", "/data/fx" FX_SEPARATOR "a.txt"},
                                           JoinCase{"trailing_slash", "/data/fx/", "a.txt", "/data/fx/a.txt"},
                                           JoinCase{"trailing_backslash", "C:\\fx\\", "a.txt", "C:\\fx\\a.txt"},
                                           JoinCase{"empty_folder", "", "a.txt", "a.txt"},
                                           JoinCase{"empty_name", "/data", "", "/data" FX_SEPARATOR}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NativePath, BackslashesBecomeThePlatformSeparator) {
#ifdef _WIN32
    EXPECT_EQ(native_path("C:\\a/b\\c"), "C:\\a/b\\c");
#else
    EXPECT_EQ(native_path("/home/u\\Morvelline 2\\Dark\\a.fxpr"), "/home/u/Morvelline 2/Dark/a.fxpr");
    EXPECT_EQ(native_path("plain/path"), "plain/path");
#endif
}

}  // namespace
}  // namespace fx::platform
