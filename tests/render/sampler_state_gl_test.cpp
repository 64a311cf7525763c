// Filter and wrap state of pass inputs: the pass's own filter setting or the frame's,
// and the frame's repeat mode.

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "gl_test_support.h"

namespace fx::test {
namespace {

struct SamplerCase {
    const char* name;
    int repeat;       // the frame's wrap mode
    int pass_smooth;  // the pass's filter (-1: the frame's)
    int frame_smooth;
    float expected[2];  // red of the two probe reads
};

// Test listings show the row's name.
void PrintTo(const SamplerCase& row, std::ostream* out) { *out << row.name; }

class SamplerStateGlTest : public GlTest, public ::testing::WithParamInterface<SamplerCase> {};

// The input is four texels in a row with red 0.1, 0.2, 0.3, 0.4. The wrap rows read at
// x = 1.1 and x = -0.4 (clamp: last and first texel, repeat: 0.1 and 0.6, mirror: 0.9
// and 0.4); the filter rows read at x = 0.5, halfway between texels 1 and 2, and at the
// centre of texel 0.
TEST_P(SamplerStateGlTest, InputIsSampledAsConfigured) {
    const SamplerCase& row = GetParam();
    const bool wrap_row = row.pass_smooth == 0 && row.frame_smooth == 0;
    const std::string where = wrap_row ? "vec2(1.1, 0.5), vec2(-0.4, 0.5)" : "vec2(0.5, 0.5), vec2(0.125, 0.5)";
    const std::string probe =
        fragment("uniform sampler2D in0; const vec2 a[2] = vec2[2](" + where + ");",
                 "gl_FragColor = vec4(texture2D(in0, a[0]).r, texture2D(in0, a[1]).r, 0.0, 1.0);");
    auto definition = make_definition({probe});
    definition->settings.pass_smooth[0] = row.pass_smooth;
    const StagedPicture input = float_picture(4, 1, {0.1f, 0, 0, 1, 0.2f, 0, 0, 1, 0.3f, 0, 0, 1, 0.4f, 0, 0, 1});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().repeat = row.repeat;
    run.frame().smooth = row.frame_smooth;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_NEAR(run.at(0, 0, 0), row.expected[0], 1e-5f) << row.name;
    EXPECT_NEAR(run.at(0, 0, 1), row.expected[1], 1e-5f) << row.name;
}

INSTANTIATE_TEST_SUITE_P(States, SamplerStateGlTest,
                         ::testing::Values(SamplerCase{"clamp_by_default", 0, 0, 0, {0.4f, 0.1f}},
                                           SamplerCase{"repeat", 1, 0, 0, {0.1f, 0.3f}},
                                           SamplerCase{"mirrored_repeat", 2, 0, 0, {0.4f, 0.2f}},
                                           SamplerCase{"unknown_repeat_clamps", 7, 0, 0, {0.4f, 0.1f}},
                                           SamplerCase{"pass_nearest_overrides_frame_linear", 0, 0, 1, {0.3f, 0.1f}},
                                           SamplerCase{"pass_linear", 0, 1, 0, {0.25f, 0.1f}},
                                           SamplerCase{"frame_linear_when_pass_defers", 0, -1, 1, {0.25f, 0.1f}},
                                           SamplerCase{"mipmapped_magnifies_linearly", 0, 2, 0, {0.25f, 0.1f}}),
                         [](const ::testing::TestParamInfo<SamplerCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace fx::test
