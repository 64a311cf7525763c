#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definition/text_edit.h"
#include "parse_fixture.h"

namespace fx {
namespace {

const char* const kPresetSlots =
    "[par1]\nparam=mode\ntype=popup\ntext=A|B\nflags=3\n"
    "[par2]\nparam=amount\n"
    "[par3]\nname=Colour\nparam=tint\ntype=color\n";

struct RecordRow {
    const char* name;
    std::string sections;
    std::vector<PresetRecord> expected;
};

bool same_record(const PresetRecord& a, const PresetRecord& b) {
    return a.popup_slot == b.popup_slot && a.choice == b.choice && a.target_slot == b.target_slot && a.x == b.x &&
           a.y == b.y && a.z == b.z;
}

TEST(PresetSections, CollectRecordsInTextOrder) {
    const std::vector<RecordRow> rows = {
        {"one value fills x, y and z", "[preset mode_1]\namount=0.5\n", {{1, 1, 2, 0.5f, 0.5f, 0.5f}}},
        {"two and three values",
         "[preset mode_0]\ntint=1|2\namount=1|2|3\n",
         {{1, 0, 3, 1.0f, 2.0f, 2.0f}, {1, 0, 2, 1.0f, 2.0f, 3.0f}}},
        {"display names find targets, keys are used as written",
         "[preset_mode_2]\nColour=4\ncolour=5\namount =6\n",
         {{1, 2, 3, 4.0f, 4.0f, 4.0f}}},
        {"unknown targets and lines without = are skipped", "[preset mode_1]\nnothing=1\namount\n=3\n", {}},
        {"the popup is looked up lowercased", "[preset MODE_1]\namount=1\n", {{1, 1, 2, 1.0f, 1.0f, 1.0f}}},
        {"a header without _ keeps the selection",
         "[preset mode_1]\n[preset other]\namount=7\n",
         {{1, 1, 2, 7.0f, 7.0f, 7.0f}}},
        {"no selection, no records", "[preset other]\namount=7\n", {}},
        {"unknown popup, no records", "[preset nope_1]\namount=7\n", {}},
        {"negative choice, no records", "[preset mode_-1]\namount=7\n", {}},
    };
    for (const RecordRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto def = testing::parse_text(std::string(kPresetSlots) + row.sections);
        const EffectSettings& s = def->settings;
        ASSERT_EQ(s.preset_record_count, static_cast<int32_t>(row.expected.size()));
        for (std::size_t i = 0; i < row.expected.size(); ++i) {
            const PresetRecord& r = s.preset_records[i];
            EXPECT_TRUE(same_record(r, row.expected[i]))
                << "record " << i << ": got popup " << r.popup_slot << " choice " << r.choice << " target "
                << r.target_slot << " (" << r.x << ", " << r.y << ", " << r.z << ")";
        }
    }
}

TEST(PresetSections, UppercaseParamCannotBeSelected) {
    const auto def = testing::parse_text("[par1]\nparam=Mode\ntype=popup\n[par2]\nparam=v\n[preset Mode_0]\nv=1\n");
    EXPECT_EQ(def->settings.preset_record_count, 0);
}

struct PopupRow {
    const char* name;
    int presetmode;
    std::vector<std::string> items;
    std::vector<std::string> paths;
};

const std::string kCommon = "C:\\ProgramData\\Fx\\";

TEST(PresetFilePopup, ListsPresetFilesByMode) {
    const std::vector<PopupRow> rows = {
        {"flat", 0, {"---", "b c", "a"}, {"---", kCommon + "Dark\\b_c.fxpr", kCommon + "a.fxpr"}},
        {"folder before each entry",
         1,
         {"---", "[Dark] b c", "a"},
         {"---", "C:/ProgramData/Fx/Dark/b_c.fxpr", "C:/ProgramData/Fx/a.fxpr"}},
        {"folder titles",
         2,
         {"---", "[DARK]", "b c", "[PRESETS]", "a"},
         {"---", "---", "C:/ProgramData/Fx/Dark/b_c.fxpr", "---", "C:/ProgramData/Fx/a.fxpr"}},
    };
    for (const PopupRow& row : rows) {
        SCOPED_TRACE(row.name);
        testing::FakeEnvironment fake;
        fake.preset_files = {kCommon + "a.fxpr", kCommon + "Dark\\b_c.fxpr"};
        const auto def = testing::parse_text("[settings]\nname=Fx Pro\npresetmode=" + std::to_string(row.presetmode) +
                                                 "\n[par1]\nparam=preset\ntype=popup\nflags=802\n",
                                             fake);
        const ParamDef& popup = def->params[1];
        EXPECT_EQ(popup.items, row.items);
        EXPECT_EQ(popup.max, static_cast<float>(row.items.size()) - 1.0f);
        std::vector<std::string> paths;
        for (const PresetEntry& e : def->settings.preset_entries) paths.push_back(e.path);
        EXPECT_EQ(paths, row.paths);
        EXPECT_EQ(fake.folders_listed, (std::vector<std::string>{kCommon, "C:\\Users\\u\\AppData\\Roaming\\Fx\\"}));
        EXPECT_EQ(fake.filters_used, (std::vector<std::string>{".fxpr", ".fxpr"}));
    }
}

TEST(PresetFilePopup, PresetPathExtensionAndBothFolders) {
    testing::FakeEnvironment fake;
    fake.preset_files = {"C:\\Users\\u\\AppData\\Roaming\\My\\sub\\z.pst", "C:\\ProgramData\\My\\sub\\y.pst"};
    const auto def = testing::parse_text(
        "[settings]\nbasedir=My\npresetpath=sub\npresetextension=pst\n[par1]\ntype=select\nflags=802\n[par2]\n"
        "type=popup\nflags=802\n",
        fake);
    EXPECT_EQ(fake.folders_listed,
              (std::vector<std::string>{"C:\\ProgramData\\My\\sub\\", "C:\\Users\\u\\AppData\\Roaming\\My\\sub\\"}));
    EXPECT_EQ(fake.filters_used, (std::vector<std::string>{".pst", ".pst"}));
    EXPECT_EQ(def->params[1].items, (std::vector<std::string>{"---", "y", "z"}));
    EXPECT_EQ(def->params[1].text, "---|y|z");
    EXPECT_TRUE(def->params[2].items.empty()) << "only the first preset popup is filled";
}

TEST(PresetFilePopup, EntriesAndItemsCorrespondForAwkwardFileNames) {
    testing::FakeEnvironment fake;
    fake.preset_files = {kCommon + "_.fxpr", kCommon + "a|b.fxpr", kCommon + "noext",
                         kCommon + " .fxpr", kCommon + "ok.fxpr",  kCommon + "S\\__.fxpr"};
    const auto def = testing::parse_text("[settings]\nname=Fx\npresetmode=2\n[par1]\ntype=popup\nflags=802\n", fake);
    const auto& entries = def->settings.preset_entries;
    const auto& items = def->params[1].items;
    ASSERT_EQ(entries.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i], std::string(trim(entries[i].label, kBlanks))) << "entry " << i;
    EXPECT_EQ(items, (std::vector<std::string>{"---", "[S]", "[PRESETS]", "a b", "ok"}));
}

TEST(PresetFilePopup, NoPopupSlotListsNothing) {
    testing::FakeEnvironment fake;
    fake.preset_files = {kCommon + "a.fxpr"};
    const auto def = testing::parse_text("[settings]\nname=Fx\n[par1]\ntype=popup\nflags=3\n", fake);
    EXPECT_TRUE(fake.folders_listed.empty());
    EXPECT_TRUE(def->settings.preset_entries.empty());
}

}  // namespace
}  // namespace fx
