// The defines block and where it goes into a pass's source; no GL needed.

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <memory>
#include <string>

#include "definition/effect_definition.h"
#include "render/gl/fragment_assembly.h"
#include "render/gl/frame_params.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx {
namespace {

std::string line(const std::string& name, const std::string& value) {
    return shader_builtin_text(ShaderBuiltinText::define_directive) + name + " " + value + "\r\n";
}

struct AssemblyCase {
    const char* name;
    const char* source;
    const char* expected;  // with the block "B"
};

// Test listings show the row's name.
void PrintTo(const AssemblyCase& row, std::ostream* out) { *out << row.name; }

class FragmentAssemblyTest : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(FragmentAssemblyTest, BlockFollowsTheFirstLine) {
    EXPECT_EQ(assemble_fragment_source(GetParam().source, "B"), GetParam().expected) << "source: " << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Sources, FragmentAssemblyTest,
    ::testing::Values(AssemblyCase{"version_line_stays_first", "#version 120\nvoid main(){}\n",
                                   "#version 120\nB\n\nvoid main(){}\n"},
                      AssemblyCase{"no_line_break", "void main(){}", "\nB\nvoid main(){}"},
                      AssemblyCase{"empty", "", "\nB\n"},
                      AssemblyCase{"crlf_first_line", "#version 120\r\nx", "#version 120\r\nB\n\nx"}),
    [](const ::testing::TestParamInfo<AssemblyCase>& info) { return std::string(info.param.name); });

// One slot of the given kind with the frame value 1.0 (the second popup entry, or a
// check that is on) unless stated.
struct DefineCase {
    const char* name;
    std::int32_t type;
    std::int32_t flags;
    float value;
    const char* expected;  // the slot's define, or null for none
};

// Test listings show the row's name.
void PrintTo(const DefineCase& row, std::ostream* out) { *out << row.name; }

class DefinesBlockTest : public ::testing::TestWithParam<DefineCase> {};

TEST_P(DefinesBlockTest, SlotValueBecomesDefine) {
    const DefineCase& row = GetParam();
    auto definition = std::make_unique<EffectDefinition>();
    definition->settings.param_count = 2;
    ParamDef& param = definition->params[1];
    param.param = "MODE";
    param.type = row.type;
    param.flags = row.flags;
    definition->set_items(1, "LOW|HIGH|BEST");
    auto frame = std::make_unique<FrameParams>();
    frame->values[1][0] = row.value;
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.attach_frame(frame.get());
    const std::string block = renderer.build_defines_block();
    if (row.expected == nullptr) {
        EXPECT_EQ(block, line("OFX", "0"));
    } else {
        EXPECT_EQ(block, line("MODE", row.expected) + line("OFX", "0"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, DefinesBlockTest,
    ::testing::Values(DefineCase{"popup_flag_2_gives_item_text", kParamPopup, 2, 1.0f, "HIGH"},
                      DefineCase{"popup_flag_2_truncates_choice", kParamPopup, 2, 2.7f, "BEST"},
                      DefineCase{"popup_choice_past_items_keeps_none", kParamPopup, 2, 3.0f, nullptr},
                      DefineCase{"negative_choice_keeps_none", kParamPopup, 2, -1.0f, nullptr},
                      DefineCase{"check_flag_1_on", kParamCheck, 1, 1.0f, "1"},
                      DefineCase{"check_flag_1_off", kParamCheck, 1, 0.0f, "0"},
                      DefineCase{"popup_flag_4_gives_index", kParamPopup, 4, 2.0f, "2"},
                      DefineCase{"flag_799_still_counts", kParamCheck, 799, 1.0f, "1"},
                      DefineCase{"flag_800_does_not", kParamPopup, 800, 1.0f, nullptr},
                      DefineCase{"flag_3_does_not", kParamCheck, 3, 1.0f, nullptr},
                      DefineCase{"float_slot_never", kParamFloat, 1, 1.0f, nullptr},
                      DefineCase{"value_not_a_number_keeps_none", kParamCheck, 1, std::nanf(""), nullptr}),
    [](const ::testing::TestParamInfo<DefineCase>& info) { return std::string(info.param.name); });

TEST(DefinesBlock, SortsByteWiseAndKeepsEntriesAcrossBuilds) {
    auto definition = std::make_unique<EffectDefinition>();
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.set_define("b_text", "hello world");
    renderer.set_define("A_TEXT", "1");
    renderer.set_define("b_text", "second");  // overwrites
    // Without a frame the block still carries every define set so far.
    EXPECT_EQ(renderer.build_defines_block(), line("A_TEXT", "1") + line("OFX", "0") + line("b_text", "second"));
    EXPECT_EQ(renderer.build_defines_block(), line("A_TEXT", "1") + line("OFX", "0") + line("b_text", "second"));
}

TEST(DefinesBlock, LineBreaksInATextValueStayOnOneLine) {
    auto definition = std::make_unique<EffectDefinition>();
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.set_define("TITLE", "two\r\nlines\nvoid main(){}");
    EXPECT_EQ(renderer.build_defines_block(), line("OFX", "0") + line("TITLE", "two  lines void main(){}"));
    // A trailing backslash would continue the directive onto the next line.
    renderer.set_define("TITLE", "C:\\dir\\ \\");
    EXPECT_EQ(renderer.build_defines_block(), line("OFX", "0") + line("TITLE", "C:\\dir   "));
}

TEST(DefinesBlock, SlotWithoutUniformNameIsSkipped) {
    auto definition = std::make_unique<EffectDefinition>();
    definition->settings.param_count = 2;
    definition->params[1].type = kParamCheck;
    definition->params[1].flags = 1;
    auto frame = std::make_unique<FrameParams>();
    frame->values[1][0] = 1.0f;
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.attach_frame(frame.get());
    EXPECT_EQ(renderer.build_defines_block(), line("OFX", "0"));
}

TEST(AttachFrame, NegativeSwitchesTakeTheDefinitionSettings) {
    auto definition = std::make_unique<EffectDefinition>();
    definition->settings.smooth = 2;
    definition->settings.range = 1;
    definition->settings.repeat = 1;
    auto frame = std::make_unique<FrameParams>();
    frame->repeat = 0;  // set by the frame: kept
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.attach_frame(frame.get());
    EXPECT_EQ(frame->smooth, 2);
    EXPECT_EQ(frame->range, 1);
    EXPECT_EQ(frame->repeat, 0);
    EXPECT_EQ(renderer.frame(), frame.get());
    renderer.attach_frame(nullptr);
    EXPECT_EQ(renderer.frame(), nullptr);
}

}  // namespace
}  // namespace fx
