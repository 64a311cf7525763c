#include "definition/data_subfolder.h"

#include <gtest/gtest.h>

#include "parse_fixture.h"

namespace fx {
namespace {

TEST(DataSubfolder, DropsEveryLevelThatLeavesTheFolder) {
    const struct {
        const char* text;
        const char* folder;
        bool dropped;
    } rows[] = {
        {"", "", false},
        {"Presets", "Presets", false},
        {"sub/dir\\x", "sub\\dir\\x", false},
        {"sub//dir/", "sub\\dir", false},
        {"..", "", true},
        {"../../..", "", true},
        {"a/../b", "a\\b", true},
        {"./a", "a", true},
        {". .", "", true},
        {"...", "", true},
        {"/etc", "etc", true},
        {"\\\\server\\share", "server\\share", true},
        {"C:\\img", "img", true},
        {"file.txt:stream", "", true},
        {"..x/y..", "..x\\y..", false},
    };
    for (const auto& row : rows) {
        const DataSubfolder result = data_subfolder(row.text);
        EXPECT_EQ(result.folder, row.folder) << row.text;
        EXPECT_EQ(result.dropped, row.dropped) << row.text;
    }
}

TEST(DataSubfolder, FolderSettingsAreConfinedAfterParsing) {
    testing::FakeEnvironment fake;
    ::testing::internal::CaptureStdout();
    const auto def = testing::parse_text(
        "[settings]\nname=Fx\nbasedir=..\npresetpath=../../..\\Windows\nimgpath=/etc\n[par1]\ntype=popup\nflags=802\n",
        fake);
    const std::string report = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(def->settings.basedir, "Fx") << "a basedir that names no folder counts as not given";
    EXPECT_EQ(def->settings.presetpath, "Windows");
    EXPECT_EQ(def->settings.imgpath, "etc");
    EXPECT_EQ(fake.folders_listed, (std::vector<std::string>{"C:\\ProgramData\\Fx\\Windows\\",
                                                             "C:\\Users\\u\\AppData\\Roaming\\Fx\\Windows\\"}));
    for (const char* key : {"basedir", "presetpath", "imgpath"})
        EXPECT_NE(report.find(std::string("definition settings: ") + key), std::string::npos) << report;
}

TEST(DataSubfolder, PlainFoldersAreKeptSilently) {
    ::testing::internal::CaptureStdout();
    const auto def = testing::parse_text("[settings]\nbasedir=My Fx\npresetpath=Looks/Dark\nimgpath=Images\n");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(def->settings.basedir, "My Fx");
    EXPECT_EQ(def->settings.presetpath, "Looks\\Dark");
    EXPECT_EQ(def->settings.imgpath, "Images");
}

}  // namespace
}  // namespace fx
