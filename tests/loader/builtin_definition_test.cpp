// The shipped definition: everything a user of the product meets is declared, and every
// line of it reaches the model (a typo in an attribute word would be ignored silently
// by the parser, so the lines are checked against the words the language knows).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "definition/preprocess.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace fx {
namespace {

class BuiltinDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.set("XDG_DATA_HOME", temp_ / "user");
        env_.set("XDG_DATA_DIRS", temp_ / "common");
        env_.set(definition_file_variable, std::nullopt);
        def_ = std::make_unique<EffectDefinition>();
        ::testing::internal::CaptureStdout();
        load_definition(*def_, builtin_text(BuiltinText::definition), platform_parse_environment());
        parser_output_ = ::testing::internal::GetCapturedStdout();
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
    std::string parser_output_;
};

TEST_F(BuiltinDefinitionTest, ParsesWithoutAParserMessage) { EXPECT_EQ(parser_output_, ""); }

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
        FeatureCase{"popup_define",
                    [](const ParamDef& p) { return p.type == kParamPopup && p.flags == 2 && p.items.size() > 1; }},
        FeatureCase{"checkbox_define", [](const ParamDef& p) { return p.type == kParamCheck && p.flags == 1; }},
        FeatureCase{"color", [](const ParamDef& p) { return p.type == kParamColor; }},
        FeatureCase{"angle", [](const ParamDef& p) { return p.type == kParamAngle; }},
        FeatureCase{"point", [](const ParamDef& p) { return p.type == kParamPoint; }},
        FeatureCase{"group_switch", [](const ParamDef& p) { return p.group[0] < 0; }},
        FeatureCase{"topic_start", [](const ParamDef& p) { return p.type == kParamTopicStart; }},
        FeatureCase{"topic_end", [](const ParamDef& p) { return p.type == kParamTopicEnd; }},
        FeatureCase{"text_define", [](const ParamDef& p) { return p.type == kParamText && !p.param.empty(); }},
        FeatureCase{"image", [](const ParamDef& p) { return p.type == kParamImage; }},
        FeatureCase{"script_button",
                    [](const ParamDef& p) { return p.type == kParamButton && p.flags >= 0 && p.flags <= 31; }},
        FeatureCase{"preset_load_button", [](const ParamDef& p) { return p.type == kParamButton && p.flags == 800; }},
        FeatureCase{"preset_save_button", [](const ParamDef& p) { return p.type == kParamButton && p.flags == 801; }},
        FeatureCase{"preset_file_popup", [](const ParamDef& p) { return p.type == kParamPopup && p.flags == 802; }},
        FeatureCase{"builtin_preset_popup", [](const ParamDef& p) { return p.type == kParamPopup && p.flags == 3; }},
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
    for (int slot :
         slots_where([](const ParamDef& p) { return p.type == kParamButton && p.flags >= 0 && p.flags <= 31; })) {
        int script = def_->params[slot].flags;
        ASSERT_LT(script, settings().script_count) << "slot " << slot;
        EXPECT_NE(def_->script_source[script].view().find("getParams();"), std::string_view::npos);
    }
}

TEST_F(BuiltinDefinitionTest, BuiltinPresetsTargetExistingSlotsOfTheirPopup) {
    std::vector<int> popups = slots_where([](const ParamDef& p) { return p.type == kParamPopup && p.flags == 3; });
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
    for (int slot : slots_where([](const ParamDef& p) { return p.type == kParamPopup && p.flags == 2; }))
        for (const std::string& item : def_->params[slot].items)
            EXPECT_TRUE(std::all_of(item.begin(), item.end(),
                                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }))
                << "item \"" << item << "\" of slot " << slot << " cannot stand in a #if";
}

// ---- every line reaches the model ----------------------------------------------------

std::string trimmed(const std::string& line) {
    size_t begin = line.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return "";
    size_t end = line.find_last_not_of(" \t\r\n");
    return line.substr(begin, end - begin + 1);
}

std::string lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool starts(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

bool is_attribute(const std::string& key) {
    static const std::set<std::string> words = {"name", "display",    "param",      "text",       "popup",       "type",
                                                "time", "id",         "default",    "visibility", "groupswitch", "min",
                                                "max",  "displaymin", "displaymax", "flags",      "special"};
    if (words.count(key)) return true;
    for (int i = 0; i <= 9; ++i)
        if (key == "name" + std::to_string(i)) return true;
    for (int i = 0; i <= 15; ++i)
        if (key == "group" + std::to_string(i)) return true;
    return false;
}

bool is_type_word(const std::string& word) {
    static const std::set<std::string> words = {
        "float", "int",  "none",   "check", "bool",  "popup",  "select", "layer",       "color",    "angle",
        "vec2",  "vec3", "custom", "image", "point", "button", "text",   "topic_start", "topic_end"};
    return words.count(word) > 0;
}

bool is_settings_key(const std::string& key) {
    static const std::set<std::string> keys = {
        "name",         "description",     "presetpath", "imgpath",  "imgwidth", "imgheight", "imgscale",
        "dialogbutton", "presetextension", "id_offset",  "id_add",   "range",    "refresh",   "transition",
        "version",      "usegpu",          "presetmode", "smooth",   "repeat",   "informat",  "outformat",
        "bundlename",   "basedir",         "noinput",    "fullframe"};
    return keys.count(key) > 0;
}

bool is_routing_key(const std::string& key) {
    if (!starts(key, "ps")) return false;
    size_t underscore = key.find('_');
    if (underscore == std::string::npos || underscore < 3) return false;
    for (size_t i = 2; i < underscore; ++i)
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) return false;
    std::string word = key.substr(underscore + 1);
    if (word == "out" || word == "dow" || word == "smo" || word == "loo") return true;
    return starts(word, "in") && word.size() > 2 && std::all_of(word.begin() + 2, word.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c));
           });
}

// Lines of the definition, after macros and replacements, that the parser would skip or
// whose key it does not know. Comments are meant to be skipped and do not count.
std::vector<std::string> unused_lines(std::string text, const EffectDefinition& def) {
    expand_macros(text);
    apply_replace_block(text);
    std::vector<std::string> unused;
    std::string section;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        std::string line = trimmed(raw);
        if (line.empty()) continue;
        bool source_section = section == "vs" || starts(section, "ps") || starts(section, "script");
        if (starts(line, "$") || starts(line, "%")) {
            unused.push_back(line + "   (variant line)");
            continue;
        }
        if ((line[0] == ';' || line[0] == '/') && !starts(section, "ps")) continue;
        if (line[0] == '[') {
            section = lowercase(line.substr(1, line.size() - 2));
            bool known = section == "settings" || section == "routing" || section == "replace" || section == "vs" ||
                         starts(section, "sho") || starts(section, "par") || starts(section, "ps") ||
                         starts(section, "script") || starts(section, "preset_");
            if (!known) unused.push_back(line + "   (unknown section)");
            continue;
        }
        if (source_section) continue;
        size_t equals = line.find('=');
        if (section == "replace") {
            if (line.find('|') == std::string::npos) unused.push_back(line + "   (replacement without |)");
            continue;
        }
        if (equals == std::string::npos || equals == 0) {
            unused.push_back(line + "   (no key=value in [" + section + "])");
            continue;
        }
        std::string key = line.substr(0, equals);
        std::string value = trimmed(line.substr(equals + 1));
        if (starts(section, "preset_")) {
            if (def.find_param(key) < 0) unused.push_back(line + "   (no slot named " + key + ")");
        } else if (section == "settings") {
            if (!is_settings_key(lowercase(key))) unused.push_back(line + "   (unknown settings key)");
        } else if (section == "routing") {
            if (!is_routing_key(lowercase(key))) unused.push_back(line + "   (unknown routing key)");
        } else if (starts(section, "par")) {
            if (!is_attribute(lowercase(key)))
                unused.push_back(line + "   (unknown attribute)");
            else if (lowercase(key) == "type" && !is_type_word(value))
                unused.push_back(line + "   (unknown type word)");
        } else {
            unused.push_back(line + "   (key line outside a key section)");
        }
    }
    return unused;
}

TEST_F(BuiltinDefinitionTest, EveryLineReachesTheModel) {
    std::vector<std::string> unused = unused_lines(builtin_text(BuiltinText::definition), *def_);
    std::string listing;
    for (const std::string& line : unused) listing += "  " + line + "\n";
    EXPECT_TRUE(unused.empty()) << "lines the parser ignores:\n" << listing;
}

TEST(UnusedLineCheck, FindsTheMistakesItIsMeantToFind) {
    EffectDefinition def;
    def.settings.param_count = 2;
    def.params[1].param = "Speed";
    std::string text =
        "; a comment\n[settings]\nname=ok\nnmae=typo\n[routing]\nps1_in0=2\nps1_inx=3\n"
        "[par1]\ndisplaymax=2\ndispalymax=2\ntype=flaot\nno value here\n"
        "[preset_look_1]\nSpeed=1\nSped=1\n[mystery]\n$variant=1\n";
    std::vector<std::string> unused = unused_lines(text, def);
    std::vector<std::string> expected_starts = {"nmae=typo",     "ps1_inx=3", "dispalymax=2", "type=flaot",
                                                "no value here", "Sped=1",    "[mystery]",    "$variant=1"};
    ASSERT_EQ(unused.size(), expected_starts.size());
    for (size_t i = 0; i < unused.size(); ++i) EXPECT_TRUE(starts(unused[i], expected_starts[i])) << unused[i];
}

}  // namespace
}  // namespace fx
