#include "definition/loader/load_definition.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "definition/loader/builtin_text.h"
#include "definition/loader/platform_parse_environment.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace fx {
namespace {

// Every test runs with its own per-user and all-users folders and no override.
class LoadDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.set("XDG_DATA_HOME", temp_ / "user");
        env_.set("XDG_DATA_DIRS", temp_ / "common");
        env_.set(kDefinitionFileVariable, std::nullopt);
    }

    std::string marker_text() const { return builtin_text(BuiltinText::definition_marker); }
    std::string redirected_folder() const { return temp_ / "user/Quenly/Morvelline 2 Pro"; }
    std::string redirected_file() const { return redirected_folder() + "/Morvelline 2 Pro.fxdef"; }

    std::unique_ptr<EffectDefinition> load(std::string_view builtin) {
        auto def = std::make_unique<EffectDefinition>();
        load_definition(*def, builtin, platform_parse_environment());
        return def;
    }

    test::TempFolder temp_;
    test::ScopedEnv env_;
};

constexpr const char* builtin_sample = "[settings]\nname=FromBuiltin\n";

TEST_F(LoadDefinitionTest, BuiltinTextIsUsedAsItStands) {
    DefinitionText source = obtain_definition_text(builtin_sample);
    EXPECT_EQ(source.text, builtin_sample);
    EXPECT_EQ(source.path, "");
    EXPECT_EQ(load(builtin_sample)->settings.name, "FromBuiltin");
}

TEST_F(LoadDefinitionTest, OverrideVariableWinsOverBuiltinAndMarker) {
    std::string file = temp_.write("mine.txt", "[settings]\nname=FromOverride\n");
    temp_.write("user/Quenly/Morvelline 2 Pro/Morvelline 2 Pro.fxdef", "[settings]\nname=FromMarkerFile\n");
    env_.set(kDefinitionFileVariable, file);
    EXPECT_EQ(load(builtin_sample)->settings.name, "FromOverride");
    EXPECT_EQ(load(marker_text() + "\n")->settings.name, "FromOverride");
    EXPECT_EQ(obtain_definition_text(builtin_sample).path, file);
}

TEST_F(LoadDefinitionTest, EmptyOverrideVariableCountsAsUnset) {
    env_.set(kDefinitionFileVariable, "");
    EXPECT_EQ(load(builtin_sample)->settings.name, "FromBuiltin");
}

TEST_F(LoadDefinitionTest, UnreadableOverrideGivesTheEmptyDefinition) {
    env_.set(kDefinitionFileVariable, temp_ / "missing.txt");
    auto def = load(builtin_sample);
    EXPECT_EQ(def->settings.name, "");
    EXPECT_EQ(def->settings.param_count, 1);
    EXPECT_EQ(def->params[0].param, "in0");
    EXPECT_EQ(def->settings.bundlename, "Morvelline 2 Pro");
}

TEST_F(LoadDefinitionTest, MarkerReadsThePerUserFileAndMakesItsFolders) {
    ASSERT_FALSE(std::filesystem::exists(temp_ / "user"));
    auto def = load(marker_text() + " anything after the marker");
    EXPECT_TRUE(std::filesystem::is_directory(redirected_folder()));
    EXPECT_EQ(def->settings.param_count, 1) << "no file yet: the empty definition";

    std::filesystem::remove_all(temp_ / "user");
    temp_.write("user/Quenly/Morvelline 2 Pro/Morvelline 2 Pro.fxdef", "[settings]\nname=FromMarkerFile\n");
    EXPECT_EQ(load(marker_text())->settings.name, "FromMarkerFile");
    EXPECT_EQ(obtain_definition_text(marker_text()).path, redirected_file());
}

TEST_F(LoadDefinitionTest, EveryLoadRereadsTheFile) {
    std::string file = temp_.write("mine.txt", "[settings]\nname=First\n");
    env_.set(kDefinitionFileVariable, file);
    auto def = std::make_unique<EffectDefinition>();
    load_definition(*def, builtin_sample, platform_parse_environment());
    EXPECT_EQ(def->settings.name, "First");
    temp_.write("mine.txt", "[settings]\nname=Second\n[par1]\nname=Speed\n");
    load_definition(*def, builtin_sample, platform_parse_environment());
    EXPECT_EQ(def->settings.name, "Second");
    EXPECT_EQ(def->settings.param_count, 2);
}

TEST_F(LoadDefinitionTest, ShorterMarkerPrefixIsNotAMarker) {
    std::string prefix = marker_text().substr(0, 10);
    EXPECT_EQ(obtain_definition_text(prefix).text, prefix);
}

TEST_F(LoadDefinitionTest, MarkerWithoutPerUserFolderReadsNothingAndMakesNoFolder) {
    env_.set("XDG_DATA_HOME", std::nullopt);
    env_.set("HOME", std::nullopt);
    // Without a per-user folder the data folders would land in the current directory.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(temp_.path());
    DefinitionText source = obtain_definition_text(marker_text());
    std::filesystem::current_path(previous);
    EXPECT_EQ(source.text, "");
    EXPECT_EQ(source.path, "");
    EXPECT_TRUE(std::filesystem::is_empty(temp_.path())) << "a folder was made in the current directory";
}

TEST_F(LoadDefinitionTest, BuiltinTextEndsAtItsFirstNul) {
    std::string text("[settings]\nname=Kept\n\0[settings]\nname=Lost\n", 42);
    EXPECT_EQ(load(text)->settings.name, "Kept");
}

TEST_F(LoadDefinitionTest, NamelessDefinitionTakesTheBuiltinBundleName) {
    EXPECT_EQ(load("[par1]\nname=Speed\n")->settings.bundlename, "Morvelline 2 Pro");
    EXPECT_EQ(load("[settings]\nbundlename=Own\n")->settings.bundlename, "Own");
}

TEST_F(LoadDefinitionTest, ProcessWideLoadUsesTheShippedDefinition) {
    load_definition();
    EXPECT_EQ(effect_definition().settings.name, "Morvelline 2 Pro");
    EXPECT_TRUE(effect_definition().settings.transition);
}

TEST_F(LoadDefinitionTest, IncludesAndPresetFoldersGoThroughTheFileSystem) {
    std::string included = temp_.write("common.txt", "name=Included\n");
    temp_.write("common/Morv/Presets/a.fxpr", "x");
    temp_.write("user/Morv/Presets/Dark/b_c.fxpr", "x");
    temp_.write("user/Morv/Presets/readme.txt", "x");
    std::string text = "[settings]\n#include \"" + included +
                       "\"\nbasedir=Morv\npresetpath=Presets\npresetmode=2\n"
                       "[par1]\nname=Files\ntype=popup\nflags=802\n";
    auto def = load(text);
    EXPECT_EQ(def->settings.name, "Included");
    std::vector<std::string> labels;
    for (const PresetEntry& entry : def->settings.preset_entries) labels.push_back(entry.label);
    // Sorted byte-wise: the common folder's path sorts before the user folder's; a title
    // entry marks each change of folder.
    EXPECT_EQ(labels, (std::vector<std::string>{"---", "a", "[DARK]", "b c"}));
    ASSERT_EQ(def->settings.preset_entries.size(), 4u);
    for (size_t entry : {1, 3})
        EXPECT_TRUE(std::filesystem::exists(def->settings.preset_entries[entry].path))
            << def->settings.preset_entries[entry].path;
    EXPECT_EQ(def->params[1].items, labels);
}

// Folder texts that climb out of the data folders would make the popup list preset files
// from anywhere (here: the whole file system from the root).
TEST_F(LoadDefinitionTest, PresetFoldersStayInsideTheDataFolders) {
    temp_.write("common/Morv/own.fxpr", "x");
    temp_.write("secret.fxpr", "x");
    auto def = load("[settings]\nname=Morv\nbasedir=..\npresetpath=../../../..\n[par1]\ntype=popup\nflags=802\n");
    EXPECT_EQ(def->settings.basedir, "Morv");
    EXPECT_EQ(def->settings.presetpath, "");
    std::vector<std::string> labels;
    for (const PresetEntry& entry : def->settings.preset_entries) labels.push_back(entry.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"---", "own"}));
}

}  // namespace
}  // namespace fx
