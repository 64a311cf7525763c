// The shipped definition: everything a user of the product meets is declared, and every
// line of it reaches the model (the parser reports no line it ignored or misread).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>

#include "definition/definition_codes.h"
#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace fx {
namespace {

class BuiltinDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.set("XDG_DATA_HOME", temp_ / "user");
        env_.set("XDG_DATA_DIRS", temp_ / "common");
        env_.set(kDefinitionFileVariable, std::nullopt);
        def_ = std::make_unique<EffectDefinition>();
        ParseEnvironment env = platform_parse_environment();
        env.diagnostics = [this](const ParseDiagnostic& d) {
            diagnostics_ += std::to_string(d.line) + ": " + severity_word(d.severity) + ": " + d.message + "\n";
        };
        load_definition(*def_, builtin_text(BuiltinText::definition), env);
    }

    const EffectSettings& settings() const { return def_->settings; }

    // Slots 1 .. param_count - 1 for which `match` holds.
    template <typename Match>
    std::vector<int> slots_where(Match match) const {
        std::vector<int> found;
        for (int slot = 1; slot < settings().param_count; ++slot)
            if (match(def_->params[slot])) found.push_back(slot);
        return found;
    }

    test::TempFolder temp_;
    test::ScopedEnv env_;
    std::unique_ptr<EffectDefinition> def_;
    std::string diagnostics_;  // one line per diagnostic of the parser
};

TEST_F(BuiltinDefinitionTest, EveryLineReachesTheModel) { EXPECT_EQ(diagnostics_, ""); }

TEST_F(BuiltinDefinitionTest, CarriesTheProductSettings) {
    EXPECT_EQ(settings().name, "Morvelline 2 Pro");
    EXPECT_EQ(settings().bundlename, "Morvelline 2 Pro");
    EXPECT_FALSE(settings().description.empty());
    EXPECT_EQ(std::vector<int>(settings().version, settings().version + 3), (std::vector<int>{2, 0, 2}));
    EXPECT_FALSE(settings().dialogbutton.empty());
    EXPECT_EQ(settings().basedir, "Morvelline 2");
    EXPECT_TRUE(settings().transition);
    EXPECT_EQ(settings().usegpu, 1);
}

TEST_F(BuiltinDefinitionTest, HasAtLeastThreeRoutedPassesOneOfThemReduced) {
    const EffectSettings& s = settings();
    ASSERT_GE(s.pass_count, 3);
    bool reduced = false;
    for (int pass = 0; pass < s.pass_count; ++pass) {
        EXPECT_NE(def_->pass_source[pass].view().find("#version 120"), std::string_view::npos) << "pass " << pass;
        EXPECT_NE(def_->pass_source[pass].view().find("gl_FragColor"), std::string_view::npos) << "pass " << pass;
        if (s.pass_downsample[pass] > 0.0f && s.pass_downsample[pass] < 1.0f) reduced = true;
        // Every pass reads only inputs or targets that earlier passes wrote.
        for (int unit = 0; unit < s.layer_count; ++unit) {
            int buffer = s.pass_input[pass][unit];
            bool written_before = std::find(s.pass_output, s.pass_output + pass, buffer) != s.pass_output + pass;
            EXPECT_TRUE(buffer < s.layer_count || written_before)
                << "pass " << pass << " unit " << unit << " reads " << buffer;
        }
    }
    EXPECT_TRUE(reduced) << "no pass runs at reduced resolution";
    // The last pass writes a target of its own, not an input.
    EXPECT_GE(s.pass_output[s.pass_count - 1], s.layer_count);
}

TEST_F(BuiltinDefinitionTest, FirstFloatSlotIsTheTransitionProgress) {
    std::vector<int> floats = slots_where([](const ParamDef& p) { return p.type == kParamFloat; });
    ASSERT_FALSE(floats.empty());
    const ParamDef& progress = def_->params[floats.front()];
    EXPECT_EQ(progress.param, "Transition");
    EXPECT_EQ(progress.min, 0.0f);
    EXPECT_EQ(progress.max, 100.0f);
}

TEST_F(BuiltinDefinitionTest, IncomingClipIsALayerInput) {
    EXPECT_FALSE(slots_where([](const ParamDef& p) { return p.type == kParamLayer; }).empty());
    EXPECT_GE(settings().layer_count, 3);  // outgoing, incoming, pattern image
}

struct FeatureCase {
    const char* name;
    bool (*present)(const ParamDef&);
};

class BuiltinDefinitionFeature : public BuiltinDefinitionTest, public ::testing::WithParamInterface<FeatureCase> {};

TEST_P(BuiltinDefinitionFeature, IsDeclared) {
    EXPECT_FALSE(slots_where(GetParam().present).empty()) << "no slot with " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuiltinDefinitionFeature,
    ::testing::Values(
        FeatureCase{"popup_define", [](const ParamDef& p) { return is_item_define_popup(p) && p.items.size() > 1; }},
        FeatureCase{"checkbox_define", [](const ParamDef& p) { return p.type == kParamCheck && is_value_define(p); }},
        FeatureCase{"color", [](const ParamDef& p) { return p.type == kParamColor; }},
        FeatureCase{"angle", [](const ParamDef& p) { return p.type == kParamAngle; }},
        FeatureCase{"point", [](const ParamDef& p) { return p.type == kParamPoint; }},
        FeatureCase{"group_switch", [](const ParamDef& p) { return p.group[0] < 0; }},
        FeatureCase{"topic_start", [](const ParamDef& p) { return p.type == kParamTopicStart; }},
        FeatureCase{"topic_end", [](const ParamDef& p) { return p.type == kParamTopicEnd; }},
        FeatureCase{"text_define", [](const ParamDef& p) { return p.type == kParamText && !p.param.empty(); }},
        FeatureCase{"image", [](const ParamDef& p) { return p.type == kParamImage; }},
        FeatureCase{"script_button", [](const ParamDef& p) { return is_script_button(p); }},
        FeatureCase{"preset_load_button", [](const ParamDef& p) { return is_preset_load_button(p); }},
        FeatureCase{"preset_save_button", [](const ParamDef& p) { return is_preset_save_button(p); }},
        FeatureCase{"preset_file_popup", [](const ParamDef& p) { return is_preset_file_popup(p); }},
        FeatureCase{"builtin_preset_popup", [](const ParamDef& p) { return is_builtin_preset_popup(p); }},
        FeatureCase{"banner", [](const ParamDef& p) { return p.type == kParamCustom; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuiltinDefinitionTest, GroupSwitchControlsAHiddenAdvancedGroup) {
    std::vector<int> switches = slots_where([](const ParamDef& p) { return p.group[0] < 0; });
    ASSERT_EQ(switches.size(), 1u);
    const ParamDef& toggle = def_->params[switches[0]];
    int first = -toggle.group[0];
    int last = first + std::max(1, static_cast<int>(toggle.max));
    EXPECT_GT(first, 100) << "groups above 100 hide their members rather than disable them";
    // Members shown when the box is ticked (group first + 1) start hidden.
    std::vector<int> members = slots_where([&](const ParamDef& p) { return p.group[0] == first + 1; });
    EXPECT_GE(members.size(), 3u);
    for (int slot : members) EXPECT_EQ(def_->params[slot].visibility, 2) << "slot " << slot;
    for (int slot : slots_where([&](const ParamDef& p) { return p.group[0] > 0; }))
        EXPECT_TRUE(def_->params[slot].group[0] >= first && def_->params[slot].group[0] <= last) << "slot " << slot;
}

TEST_F(BuiltinDefinitionTest, ScriptButtonsHaveTheirScripts) {
    for (int slot : slots_where([](const ParamDef& p) { return is_script_button(p); })) {
        int script = def_->params[slot].flags;
        ASSERT_LT(script, settings().script_count) << "slot " << slot;
        EXPECT_NE(def_->script_source[script].view().find("getParams();"), std::string_view::npos);
    }
}

TEST_F(BuiltinDefinitionTest, BuiltinPresetsTargetExistingSlotsOfTheirPopup) {
    std::vector<int> popups = slots_where([](const ParamDef& p) { return is_builtin_preset_popup(p); });
    ASSERT_EQ(popups.size(), 1u);
    const ParamDef& popup = def_->params[popups[0]];
    ASSERT_GT(settings().preset_record_count, 0);
    std::set<int> choices;
    for (int i = 0; i < settings().preset_record_count; ++i) {
        const PresetRecord& r = settings().preset_records[i];
        EXPECT_EQ(r.popup_slot, popups[0]);
        EXPECT_TRUE(r.target_slot > 0 && r.target_slot < settings().param_count) << "record " << i;
        EXPECT_LT(r.choice, static_cast<int>(popup.items.size())) << "record " << i;
        choices.insert(r.choice);
    }
    // Every look but the first ("Custom", which keeps the user's values) sets values.
    EXPECT_EQ(choices.size(), popup.items.size() - 1);
    EXPECT_EQ(choices.count(0), 0u);
}

TEST_F(BuiltinDefinitionTest, PopupDefinesAreShaderIdentifiers) {
    for (int slot : slots_where([](const ParamDef& p) { return is_item_define_popup(p); }))
        for (const std::string& item : def_->params[slot].items)
            EXPECT_TRUE(std::all_of(item.begin(), item.end(),
                                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }))
                << "item \"" << item << "\" of slot " << slot << " cannot stand in a #if";
}

}  // namespace
}  // namespace fx
