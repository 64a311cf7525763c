// Every uniform a pass can read reaches the shader with the value the rules give: the
// probe pass writes the uniform into its pixels and the test reads them back.

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

#include "gl_test_support.h"

namespace fx::test {
namespace {

struct UniformCase {
    const char* name;
    const char* declarations;  // GLSL uniform declarations of the probe pass
    const char* value;         // vec4 expression written by the probe pass
    float pass_downsample;     // the probe pass's scale factor (0: full size)
    std::function<void(EffectDefinition&, FrameParams&)> setup;
    float expected[4];
};

// Test listings show the row's name.
void PrintTo(const UniformCase& row, std::ostream* out) { *out << row.name; }

class PassUniformsGlTest : public GlTest, public ::testing::WithParamInterface<UniformCase> {};
using PassUniformsErrorGlTest = GlTest;

// Three passes: 0 copies the input, 1 is the probe (pass index 1, scaled as the row
// says), 2 copies the probe's pixels to the output at full size.
TEST_P(PassUniformsGlTest, UniformReachesTheShader) {
    const UniformCase& row = GetParam();
    const std::string copy = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, vec2(0.0));");
    const std::string probe = fragment(row.declarations, std::string("gl_FragColor = ") + row.value + ";");
    auto definition = make_definition({copy, probe, copy}, 1);
    definition->settings.pass_downsample[1] = row.pass_downsample;
    const StagedPicture input = coordinate_picture(8, 4);
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    if (row.setup) row.setup(run.definition(), run.frame());
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    for (int c = 0; c < 4; ++c) {
        EXPECT_FLOAT_EQ(run.at(0, 0, c), row.expected[c]) << row.name << ", component " << c;
    }
}

void set_value(FrameParams& frame, int slot, float x, float y = 0.0f, float z = 0.0f) {
    frame.values[slot][0] = x;
    frame.values[slot][1] = y;
    frame.values[slot][2] = z;
}

// Adds a slot of the given type and puts its value into the frame.
std::function<void(EffectDefinition&, FrameParams&)> slot_with(std::int32_t type, std::int32_t components,
                                                               std::int32_t flags, float x, float y = 0.0f,
                                                               float z = 0.0f) {
    return [=](EffectDefinition& definition, FrameParams& frame) {
        ParamDef& param = add_param(definition, "p", type, components);
        param.flags = flags;
        set_value(frame, definition.settings.param_count - 1, x, y, z);
    };
}

const UniformCase kCases[] = {
    {"ps_index", "uniform int ps_index;", "vec4(float(ps_index))", 0.0f, nullptr, {1, 1, 1, 1}},
    {"time",
     "uniform float time;",
     "vec4(time)",
     0.0f,
     [](EffectDefinition&, FrameParams& frame) { frame.time_seconds = 2.5; },
     {2.5f, 2.5f, 2.5f, 2.5f}},
    {"resolution_of_reduced_pass",
     "uniform vec2 resolution;",
     "vec4(resolution, 0.0, 0.0)",
     0.5f,
     nullptr,
     {4, 2, 0, 0}},
    {"pixelsize",
     "uniform vec2 pixelsize;",
     "vec4(pixelsize, 0.0, 0.0)",
     0.0f,
     [](EffectDefinition&, FrameParams& frame) {
         frame.pixel_aspect[0] = 3.0f;
         frame.pixel_aspect[1] = 2.0f;
     },
     {3, 2, 0, 0}},
    {"downsample_times_pass_scale",
     "uniform vec2 downsample;",
     "vec4(downsample, 0.0, 0.0)",
     0.5f,
     [](EffectDefinition&, FrameParams& frame) {
         frame.downsample[0] = 0.5f;
         frame.downsample[1] = 0.25f;
     },
     {0.25f, 0.125f, 0, 0}},
    {"range",
     "uniform vec2 range;",
     "vec4(range, 0.0, 0.0)",
     0.0f,
     [](EffectDefinition&, FrameParams& frame) {
         frame.range_min = -0.5f;
         frame.range_max = 3.0f;
     },
     {-0.5f, 3.0f, 0, 0}},
    {"mouse",
     "uniform vec2 mouse;",
     "vec4(mouse, 0.0, 0.0)",
     0.0f,
     [](EffectDefinition&, FrameParams& frame) {
         frame.pointer[0] = 7.0f;
         frame.pointer[1] = 9.0f;
     },
     {7, 9, 0, 0}},
    {"int_slot_truncates", "uniform int p;", "vec4(float(p))", 0.0f, slot_with(kParamInt, 1, 0, 3.7f), {3, 3, 3, 3}},
    {"check_slot_sends_int",
     "uniform int p;",
     "vec4(float(p))",
     0.0f,
     slot_with(kParamCheck, 1, 0, 1.0f),
     {1, 1, 1, 1}},
    {"popup_slot_sends_int",
     "uniform int p;",
     "vec4(float(p))",
     0.0f,
     slot_with(kParamPopup, 1, 0, 2.9f),
     {2, 2, 2, 2}},
    {"none_slot_truncates_toward_zero",
     "uniform int p;",
     "vec4(float(p))",
     0.0f,
     slot_with(kParamNone, 1, 0, -1.5f),
     {-1, -1, -1, -1}},
    {"float_slot", "uniform float p;", "vec4(p)", 0.0f, slot_with(kParamFloat, 1, 0, 0.3f), {0.3f, 0.3f, 0.3f, 0.3f}},
    // The slot's type decides the call: a shader that declares the float slot as an int
    // keeps the uniform at 0, and the error the driver gives for that call is discarded
    // (the fixture's pending-error check fails otherwise).
    {"slot_type_decides_over_the_shaders_declaration",
     "uniform int p;",
     "vec4(float(p), 1.0, 1.0, 1.0)",
     0.0f,
     slot_with(kParamFloat, 1, 0, 0.75f),
     {0, 1, 1, 1}},
    {"angle_slot_sends_float",
     "uniform float p;",
     "vec4(p)",
     0.0f,
     slot_with(kParamAngle, 1, 0, -1.25f),
     {-1.25f, -1.25f, -1.25f, -1.25f}},
    {"color_slot",
     "uniform vec3 p;",
     "vec4(p, 0.0)",
     0.0f,
     slot_with(kParamColor, 3, 0, 0.1f, 0.2f, 0.3f),
     {0.1f, 0.2f, 0.3f, 0}},
    {"vec3_slot",
     "uniform vec3 p;",
     "vec4(p, 0.0)",
     0.0f,
     slot_with(kParamVec3, 3, 0, -4.0f, 5.0f, 6.5f),
     {-4, 5, 6.5f, 0}},
    {"point_scales_with_the_pass",
     "uniform vec2 p;",
     "vec4(p, 0.0, 0.0)",
     0.5f,
     slot_with(kParamPoint, 2, 0, 0.25f, 0.75f),
     {0.125f, 0.375f, 0, 0}},
    {"point_flag_1_divides_by_the_target",
     "uniform vec2 p;",
     "vec4(p, 0.0, 0.0)",
     0.5f,
     slot_with(kParamPoint, 2, 1, 2.0f, 1.0f),
     {0.5f, 0.5f, 0, 0}},
    {"vec2_is_sent_unchanged",
     "uniform vec2 p;",
     "vec4(p, 0.0, 0.0)",
     0.5f,
     slot_with(kParamVec2, 2, 0, 0.25f, 0.75f),
     {0.25f, 0.75f, 0, 0}},
    {"popup_without_float_uniform_sets_nothing",
     "uniform int p;",
     "vec4(float(p) + 0.5)",
     0.0f,
     slot_with(kParamPopup, 0, 2, 5.0f),
     {0.5f, 0.5f, 0.5f, 0.5f}},
    {"input_layer_resolution_is_unscaled",
     "uniform int in0; uniform vec2 in0_resolution; uniform vec2 in0_origin;",
     "vec4(float(in0), in0_resolution, in0_origin.x)",
     0.5f,
     [](EffectDefinition&, FrameParams& frame) {
         frame.inputs[0].origin_x = 6.0;
         frame.inputs[0].origin_y = 2.0;
     },
     {0, 8, 4, 3}},
    {"later_layer_reads_its_unit_and_scales",
     "uniform int p; uniform vec2 p_resolution; uniform vec2 p_origin;",
     "vec4(float(p), p_resolution, p_origin.y)",
     0.5f,
     [](EffectDefinition& definition, FrameParams& frame) {
         // Slot 1 is an image, slot 2 a float, slot 3 the layer under test: it is the
         // third texture input, unit 2.
         add_param(definition, "picture", kParamImage, 0);
         add_param(definition, "amount", kParamFloat, 1);
         add_param(definition, "p", kParamLayer, 0);
         frame.inputs[2].width = 20;
         frame.inputs[2].height = 10;
         frame.inputs[2].origin_y = -4.0;
     },
     {2, 10, 5, -2}},
};

// The mismatch in the last pass: no later storage call reads the error away, so only the
// engine's own discarding keeps it from being pending when the test ends.
TEST_F(PassUniformsErrorGlTest, MismatchedDeclarationInTheLastPassLeavesNoErrorPending) {
    auto definition = make_definition({fragment("uniform int p;", "gl_FragColor = vec4(float(p), 1.0, 1.0, 1.0);")});
    add_param(*definition, "p", kParamFloat, 1);
    const StagedPicture input = float_picture(1, 1, {0, 0, 0, 0});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().values[1][0] = 0.75f;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), 0.0f);
    EXPECT_EQ(run.at(0, 0, 1), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Uniforms, PassUniformsGlTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<UniformCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace fx::test
