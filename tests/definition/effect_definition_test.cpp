#include "definition/effect_definition.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace fx {
namespace {

TEST(EffectDefinition, FreshDefinitionHoldsResetValues) {
    const auto def = std::make_unique<EffectDefinition>();
    for (int i = 0; i < kSlotCount; ++i) {
        const ParamDef& p = def->params[i];
        ASSERT_EQ(p.type, kParamFloat) << "slot " << i;
        ASSERT_EQ(p.components, 1) << "slot " << i;
        ASSERT_EQ(p.max, 1.0f) << "slot " << i;
        ASSERT_EQ(p.id, -1) << "slot " << i;
        ASSERT_TRUE(p.param.empty() && p.display.empty() && p.text.empty()) << "slot " << i;
    }
    const EffectSettings& s = def->settings;
    EXPECT_EQ(s.presetextension, "fxpr");
    EXPECT_EQ(s.usegpu, 1);
    EXPECT_EQ(s.layer_count, 1);
    EXPECT_EQ(s.imgscale, 1);
    EXPECT_EQ(s.smooth, 1);
    EXPECT_EQ(s.id_offset, 1);
    EXPECT_TRUE(s.no_texts);
    EXPECT_EQ(s.version[0], 1);
    EXPECT_EQ(s.version[1], 0);
    EXPECT_EQ(s.version[2], 0);
    EXPECT_EQ(s.pass_input[31][31], -1);
    EXPECT_EQ(s.pass_output[0], -1);
    EXPECT_EQ(s.pass_smooth[5], -1);
    EXPECT_EQ(s.pass_loop[5], 0);
    EXPECT_EQ(s.preset_record_count, 0);
    EXPECT_TRUE(def->vertex_source.empty());
    EXPECT_TRUE(def->input_slots.empty());
}

TEST(EffectDefinition, ResetSlotRestoresEveryField) {
    const auto def = std::make_unique<EffectDefinition>();
    ParamDef& p = def->params[7];
    p.param = "speed";
    p.display = "Speed";
    p.name9 = "Alt";
    p.items = {"a", "b"};
    p.type = kParamPopup;
    p.components = 0;
    p.default_value[2] = 3.0f;
    p.group[15] = 4;
    p.flags = 3;
    p.special = -950;
    p.id = 12;
    def->reset_slot(7);
    EXPECT_TRUE(p.param.empty());
    EXPECT_TRUE(p.display.empty());
    EXPECT_TRUE(p.name9.empty());
    EXPECT_TRUE(p.items.empty());
    EXPECT_EQ(p.type, kParamFloat);
    EXPECT_EQ(p.components, 1);
    EXPECT_EQ(p.default_value[2], 0.0f);
    EXPECT_EQ(p.group[15], 0);
    EXPECT_EQ(p.flags, 0);
    EXPECT_EQ(p.special, 0);
    EXPECT_EQ(p.id, -1);
    def->reset_slot(-1);  // no storage: ignored
    def->reset_slot(kSlotCount);
}

TEST(EffectDefinition, ResetSettingsAndSources) {
    const auto def = std::make_unique<EffectDefinition>();
    EffectSettings& s = def->settings;
    s.name = "Effect";
    s.presetextension = "x";
    s.preset_entries.push_back({"a", "b"});
    s.preset_records = std::make_unique<PresetRecord[]>(2);
    s.preset_record_count = 2;
    s.pass_input[3][4] = 9;
    s.no_texts = false;
    def->pass_source[31] = "shader";
    def->script_source[0] = "script";
    def->vertex_source = "vertex";
    def->reset_settings();
    def->reset_sources();
    EXPECT_TRUE(s.name.empty());
    EXPECT_EQ(s.presetextension, "fxpr");
    EXPECT_TRUE(s.preset_entries.empty());
    EXPECT_EQ(s.preset_records, nullptr);
    EXPECT_EQ(s.preset_record_count, 0);
    EXPECT_EQ(s.pass_input[3][4], -1);
    EXPECT_TRUE(s.no_texts);
    EXPECT_TRUE(def->pass_source[31].empty());
    EXPECT_TRUE(def->script_source[0].empty());
    EXPECT_TRUE(def->vertex_source.empty());
}

TEST(EffectDefinition, FindParamMatchesParamOrDisplayFirstSlotWins) {
    const auto def = std::make_unique<EffectDefinition>();
    def->settings.param_count = 8;
    def->params[2].display = "amount";
    def->params[5].param = "amount";
    def->params[6].param = "Width";
    def->params[7].param = "beyond";
    struct Row {
        const char* name;
        std::string query;
        int32_t expected;
    };
    const Row rows[] = {
        {"display of an earlier slot beats param of a later one", "amount", 2},
        {"exact case", "Width", 6},
        {"other case does not match", "width", -1},
        {"unknown", "nothing", -1},
    };
    for (const Row& row : rows) EXPECT_EQ(def->find_param(row.query), row.expected) << row.name;
    def->settings.param_count = 7;
    EXPECT_EQ(def->find_param("beyond"), -1) << "slots from param_count on are not searched";
}

TEST(EffectDefinition, SetItemsSplitsTrimsAndDropsEmptyPieces) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> items;
    };
    const Row rows[] = {
        {"blanks and empty pieces", " a | |b|", {"a", "b"}},
        {"empty text", "", {}},
        {"tabs trimmed", "\tone\t|two  ", {"one", "two"}},
        {"inner blanks kept", "x y|z", {"x y", "z"}},
        {"only bars", "|||", {}},
    };
    for (const Row& row : rows) {
        const auto def = std::make_unique<EffectDefinition>();
        def->params[3].items = {"stale"};
        def->params[3].min = 5.0f;
        const int32_t count = def->set_items(3, row.text);
        EXPECT_EQ(def->params[3].items, row.items) << row.name;
        EXPECT_EQ(count, static_cast<int32_t>(row.items.size())) << row.name;
        EXPECT_EQ(def->params[3].min, 0.0f) << row.name;
        EXPECT_EQ(def->params[3].max, static_cast<float>(row.items.size()) - 1.0f) << row.name;
    }
}

TEST(EffectDefinition, SetItemsOutsideStorageChangesNothing) {
    const auto def = std::make_unique<EffectDefinition>();
    EXPECT_EQ(def->set_items(kSlotCount, "a|b"), 0);
    EXPECT_EQ(def->set_items(-1, "a|b"), 0);
}

}  // namespace
}  // namespace fx
