#include "platform/file_tree.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>

#include "platform/path.h"
#include "tests/platform/temp_folder.h"

namespace fx::platform {
namespace {

std::vector<std::string> sorted(std::vector<std::string> list) {
    std::sort(list.begin(), list.end());
    return list;
}

// A relative path written with "/" as the listing writes it: with the platform separator.
std::string listed(std::string path) {
    std::replace(path.begin(), path.end(), '/', path_separator);
    return path;
}

TEST(CreateFolder, MakesEveryMissingLevel) {
    test::TempFolder temp;
    std::string deep = temp / "a/b/c d/e";
    ASSERT_TRUE(create_folder(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    // Again, with everything present, it still reports success.
    EXPECT_TRUE(create_folder(deep));
}

TEST(CreateFolder, AcceptsBackslashLevelsAndTrailingSeparators) {
    test::TempFolder temp;
    ASSERT_TRUE(create_folder(temp.path() + "\\Quenly\\Morvelline 2 Pro\\"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "Quenly/Morvelline 2 Pro"));
}

TEST(CreateFolder, FailsWhenAFileIsInTheWay) {
    test::TempFolder temp;
    temp.write("blocker", "x");
    EXPECT_FALSE(create_folder(temp / "blocker/below"));
    EXPECT_FALSE(create_folder(temp / "blocker"));
    EXPECT_FALSE(create_folder(""));
}

TEST(IsFolder, TellsFoldersFromFilesAndMissingPaths) {
    test::TempFolder temp;
    temp.write("file.txt", "x");
    EXPECT_TRUE(is_folder(temp.path()));
    EXPECT_FALSE(is_folder(temp / "file.txt"));
    EXPECT_FALSE(is_folder(temp / "missing"));
    EXPECT_FALSE(is_folder(""));
}

TEST(ListFiles, ListsRegularFilesRecursivelyRelativeToTheFolder) {
    test::TempFolder temp;
    temp.write("a.fxpr", "1");
    temp.write("Dark/b_c.fxpr", "2");
    temp.write("Dark/Deeper/d.txt", "3");
    std::filesystem::create_directories(temp / "Empty");
    EXPECT_EQ(sorted(list_files(temp.path())),
              (std::vector<std::string>{listed("Dark/Deeper/d.txt"), listed("Dark/b_c.fxpr"), "a.fxpr"}));
}

TEST(ListFiles, MissingOrEmptyFolderListsNothing) {
    test::TempFolder temp;
    EXPECT_TRUE(list_files(temp / "missing").empty());
    EXPECT_TRUE(list_files("").empty());
    EXPECT_TRUE(list_files(temp.path()).empty());
}

#ifndef _WIN32
// Symbolic links as POSIX systems make them (Windows needs a privilege for them).
TEST(ListFiles, FollowsFileLinksButNotFolderLinks) {
    test::TempFolder temp;
    temp.write("real/x.fxpr", "1");
    ASSERT_EQ(symlink((temp / "real/x.fxpr").c_str(), (temp / "link.fxpr").c_str()), 0);
    // A link back up the tree would make a naive walk list forever.
    ASSERT_EQ(symlink(temp.path().c_str(), (temp / "real/loop").c_str()), 0);
    ASSERT_EQ(symlink((temp / "nowhere").c_str(), (temp / "dangling.fxpr").c_str()), 0);
    EXPECT_EQ(sorted(list_files(temp.path())), (std::vector<std::string>{"link.fxpr", "real/x.fxpr"}));
}

TEST(ListFiles, DoesNotFollowLinksOutOfTheListedFolder) {
    test::TempFolder outside;
    test::TempFolder temp;
    outside.write("secret.fxpr", "x");
    temp.write("presets/own.fxpr", "x");
    temp.write("beside.fxpr", "x");
    ASSERT_EQ(symlink((outside / "secret.fxpr").c_str(), (temp / "presets/secret.fxpr").c_str()), 0);
    ASSERT_EQ(symlink((temp / "beside.fxpr").c_str(), (temp / "presets/up.fxpr").c_str()), 0);
    ASSERT_EQ(symlink("../presets/own.fxpr", (temp / "presets/relative.fxpr").c_str()), 0);
    EXPECT_EQ(sorted(list_files(temp / "presets")), (std::vector<std::string>{"own.fxpr", "relative.fxpr"}));
}

#endif

TEST(ListFiles, StopsAtTheDepthLimit) {
    test::TempFolder temp;
    std::string relative;
    for (int level = 0; level < 70; ++level) relative += "d/";
    temp.write(relative + "too_deep.txt", "x");
    temp.write("d/d/shallow.txt", "x");
    EXPECT_EQ(list_files(temp.path()), (std::vector<std::string>{listed("d/d/shallow.txt")}));
}

TEST(ListFiles, AcceptsAFolderWrittenWithBackslashes) {
    test::TempFolder temp;
    temp.write("Presets/Dark/a.fxpr", "1");
    EXPECT_EQ(list_files(temp.path() + "\\Presets\\"), (std::vector<std::string>{listed("Dark/a.fxpr")}));
}

}  // namespace
}  // namespace fx::platform
