// The definition language's numbers, written out as definitions write them: each row is a
// slot and the predicates that must hold for it (all others must not).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "definition/definition_codes.h"

namespace fx {
namespace {

struct CodeCase {
    const char* name;
    int32_t type;
    int32_t flags;
    int32_t special;
    std::set<std::string> holds;
};

std::set<std::string> predicates_of(const ParamDef& p) {
    std::set<std::string> held;
    if (is_builtin_preset_popup(p)) held.insert("builtin_preset_popup");
    if (is_item_define_popup(p)) held.insert("item_define_popup");
    if (is_mask_path_popup(p)) held.insert("mask_path_popup");
    if (is_preset_file_popup(p)) held.insert("preset_file_popup");
    if (is_script_button(p)) held.insert("script_button");
    if (is_preset_load_button(p)) held.insert("preset_load_button");
    if (is_preset_save_button(p)) held.insert("preset_save_button");
    if (edits_text(p)) held.insert("edits_text");
    if (is_pixel_point(p)) held.insert("pixel_point");
    if (is_fixed_point(p)) held.insert("fixed_point");
    if (is_value_define(p)) held.insert("value_define");
    if (keeps_preset_visibility(p)) held.insert("keeps_preset_visibility");
    return held;
}

class DefinitionCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(DefinitionCodes, HoldExactlyForTheirNumbers) {
    const CodeCase& c = GetParam();
    ParamDef p;
    p.type = c.type;
    p.flags = c.flags;
    p.special = c.special;
    EXPECT_EQ(predicates_of(p), c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DefinitionCodes,
    ::testing::Values(
        CodeCase{"popup_3", kParamPopup, 3, 0, {"builtin_preset_popup"}},
        CodeCase{"popup_2", kParamPopup, 2, 0, {"item_define_popup"}},
        CodeCase{"popup_99", kParamPopup, 99, 0, {"mask_path_popup", "value_define"}},
        CodeCase{"popup_802", kParamPopup, 802, 0, {"preset_file_popup"}},
        CodeCase{"popup_802_special_666", kParamPopup, 802, 666, {"preset_file_popup", "keeps_preset_visibility"}},
        CodeCase{"popup_799", kParamPopup, 799, 0, {"value_define"}}, CodeCase{"popup_800", kParamPopup, 800, 0, {}},
        CodeCase{"check_1", kParamCheck, 1, 0, {"value_define"}}, CodeCase{"check_0", kParamCheck, 0, 0, {}},
        CodeCase{"float_802", kParamFloat, 802, 0, {}}, CodeCase{"button_0", kParamButton, 0, 0, {"script_button"}},
        CodeCase{"button_31", kParamButton, 31, 0, {"script_button"}}, CodeCase{"button_32", kParamButton, 32, 0, {}},
        CodeCase{"button_minus_1", kParamButton, -1, 0, {}},
        CodeCase{"button_800", kParamButton, 800, 0, {"preset_load_button"}},
        CodeCase{"button_801", kParamButton, 801, 0, {"preset_save_button"}},
        CodeCase{"text_minus_31", kParamText, -31, 0, {"edits_text"}}, CodeCase{"text_32", kParamText, 32, 0, {}},
        CodeCase{"point_1", kParamPoint, 1, 0, {"pixel_point"}},
        CodeCase{"point_100", kParamPoint, 100, 0, {"fixed_point"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefinitionCodes, TextIndexIsTheMagnitudeOfTheFlags) {
    ParamDef p;
    p.type = kParamText;
    p.flags = -7;
    EXPECT_EQ(text_index(p), 7);
    p.flags = 5;
    EXPECT_EQ(text_index(p), 5);
}

TEST(DefinitionCodes, SpecialCodesLieBeyond900) {
    EXPECT_FALSE(is_special_code(900));
    EXPECT_FALSE(is_special_code(-900));
    EXPECT_TRUE(is_special_code(901));
    EXPECT_TRUE(is_special_code(-901));
    EXPECT_EQ(kImageFlags, 900);
}

}  // namespace
}  // namespace fx
