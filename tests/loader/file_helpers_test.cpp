#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>

#include "definition/loader/list_files.h"
#include "definition/loader/read_file.h"
#include "tests/platform/temp_folder.h"

namespace fx {
namespace {

TEST(ReadFile, ReturnsEveryByteUntranslated) {
    test::TempFolder temp;
    std::string content("line\r\nwith\0nul\n\xff", 16);
    std::string path = temp.write("def.txt", content);
    EXPECT_EQ(read_file(path), content);
}

TEST(ReadFile, EmptyMissingOrFolderPathsReadAsEmpty) {
    test::TempFolder temp;
    temp.write("empty.txt", "");
    EXPECT_EQ(read_file(""), "");
    EXPECT_EQ(read_file(temp / "missing.txt"), "");
    EXPECT_EQ(read_file(temp / "empty.txt"), "");
    EXPECT_EQ(read_file(temp.path()), "");
}

TEST(ReadFile, ReadsPathsWrittenWithBackslashes) {
    test::TempFolder temp;
    temp.write("Presets/Dark/a.fxpr", "abc");
    EXPECT_EQ(read_file(temp.path() + "\\Presets\\Dark\\a.fxpr"), "abc");
}

TEST(ReadFile, ReadsFilesLargerThanOneChunk) {
    test::TempFolder temp;
    std::string content(100000, 'x');
    for (size_t i = 0; i < content.size(); i += 97) content[i] = static_cast<char>('a' + i % 26);
    EXPECT_EQ(read_file(temp.write("big.txt", content)), content);
}

TEST(ReadFile, StopsAtTheByteLimitItIsGiven) {
    test::TempFolder temp;
    const std::string path = temp.write("def.txt", "0123456789");
    EXPECT_EQ(read_file(path, 4), "0123");
    EXPECT_EQ(read_file(path, 0), "");
    EXPECT_EQ(read_file(path, 100), "0123456789");
}

// A pipe nobody writes to, or a device without end, would block or fill memory.
#ifdef _WIN32
TEST(ReadFile, DevicesReadAsEmpty) { EXPECT_EQ(read_file("NUL"), ""); }
#else
TEST(ReadFile, PipesAndDevicesReadAsEmpty) {
    test::TempFolder temp;
    const std::string fifo = temp / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(read_file(fifo), "");
    EXPECT_EQ(read_file("/dev/zero"), "");
}
#endif

std::vector<std::string> sorted(std::vector<std::string> list) {
    std::sort(list.begin(), list.end());
    return list;
}

TEST(ListFilesWithFilter, MatchesTheLowercasedFullPath) {
    test::TempFolder temp;
    temp.write("a.fxpr", "1");
    temp.write("Dark/B_C.FXPR", "2");
    temp.write("notes.txt", "3");
    temp.write("fxpr-notes/readme.txt", "4");
    std::string folder = temp.path() + "/";
    EXPECT_EQ(sorted(list_files(folder, ".fxpr")),
              (std::vector<std::string>{folder + "Dark/B_C.FXPR", folder + "a.fxpr"}));
    // The filter is looked for in the whole path, folder levels included.
    EXPECT_EQ(sorted(list_files(folder, "FXPR-")), (std::vector<std::string>{folder + "fxpr-notes/readme.txt"}));
    EXPECT_TRUE(list_files(folder, ".none").empty());
}

struct FolderTextCase {
    const char* name;
    std::string suffix;   // appended to the temporary folder's path
    std::string between;  // expected between that text and the file name
};

class ListFilesFolderText : public ::testing::TestWithParam<FolderTextCase> {};

TEST_P(ListFilesFolderText, KeepsTheFolderTextAsWritten) {
    const FolderTextCase& c = GetParam();
    test::TempFolder temp;
    temp.write("Presets/x.fxpr", "1");
    std::string folder = temp.path() + c.suffix;
    EXPECT_EQ(list_files(folder, ".fxpr"), (std::vector<std::string>{folder + c.between + "x.fxpr"}));
}

INSTANTIATE_TEST_SUITE_P(Rows, ListFilesFolderText,
                         ::testing::Values(FolderTextCase{"no_separator", "/Presets", "/"},
                                           FolderTextCase{"slash", "/Presets/", ""},
                                           FolderTextCase{"backslashes", "\\Presets\\", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fx
