// Whole pass runs on a real context: pictures go up, through the passes and back.

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdint>
#include <vector>

#include "gl_test_support.h"

namespace fx::test {
namespace {

using PassPipelineGlTest = GlTest;

TEST_F(PassPipelineGlTest, IdentityPassReturnsEveryFloatPixelUnchanged) {
    // Odd sizes, values outside 0..1 and negative ones: nothing may be clamped, lost
    // or flipped on the way through.
    const int width = 7;
    const int height = 5;
    std::vector<float> rgba;
    for (int i = 0; i < width * height; ++i) {
        rgba.insert(rgba.end(), {i * 0.37f - 3.0f, 1.0f / (i + 1), i * 17.25f, i % 2 == 0 ? -0.5f : 2.5f});
    }
    const StagedPicture input = float_picture(width, height, rgba);
    RenderRun run(make_definition({kIdentityShader}));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    ASSERT_EQ(run.frame().output.width, width);
    ASSERT_EQ(run.frame().output.height, height);
    for (std::size_t i = 0; i < rgba.size(); ++i) {
        ASSERT_EQ(run.output()[i], rgba[i]) << "float " << i << " (pixel " << i / 4 << ", channel " << i % 4 << ")";
    }
}

TEST_F(PassPipelineGlTest, IdentityPassReturnsEvery8BitPixelUnchanged) {
    const int width = 6;
    const int height = 3;
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < width * height * 4; ++i) rgba.push_back(static_cast<std::uint8_t>((i * 37 + 11) % 256));
    const StagedPicture input = byte_picture(width, height, rgba);
    auto definition = make_definition({kIdentityShader});
    definition->settings.outformat = 0;  // 8-bit targets for an 8-bit input
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    for (std::size_t i = 0; i < rgba.size(); ++i) {
        const float value = run.output()[i];
        ASSERT_EQ(static_cast<int>(value * 255.0f + 0.5f), rgba[i]) << "byte " << i << " read back as " << value;
    }
}

TEST_F(PassPipelineGlTest, ThreeChannelAndPaddedRowsArriveInPlace) {
    // An RGB picture (decoded image parameter) whose rows carry two padding bytes.
    const int width = 3;
    const int height = 2;
    const int row_bytes = width * 3 + 2;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(row_bytes) * height, 0xEE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c)
                bytes[y * row_bytes + x * 3 + c] = static_cast<std::uint8_t>(10 * (y * width + x) + c);
        }
    }
    StagedPicture input;
    input.bytes = bytes;
    input.image.width = width;
    input.image.height = height;
    input.image.bits_per_channel = 8;
    input.image.channel_layout = ChannelLayout::rgb;
    input.image.row_bytes = row_bytes;
    input.image.pixels = input.bytes.data();
    RenderRun run(make_definition({kIdentityShader}));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(static_cast<int>(run.at(x, y, c) * 255.0f + 0.5f), 10 * (y * width + x) + c)
                    << "pixel (" << x << ", " << y << ") channel " << c;
            }
            EXPECT_EQ(run.at(x, y, 3), 1.0f) << "RGB pictures are opaque";
        }
    }
}

TEST_F(PassPipelineGlTest, ExplicitRoutingReachesTheNamedBuffers) {
    // Two inputs; pass 0 copies input 1 into buffer 5, pass 1 copies input 0 into buffer
    // 3, pass 2 reads buffer 3 on unit 1 and buffer 5 on unit 0.
    const std::string copy_unit0 = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv);");
    const std::string combine = fragment("uniform sampler2D in0; uniform sampler2D in1;",
                                         "gl_FragColor = vec4(texture2D(in0, uv).r, texture2D(in1, uv).r, 0.0, 1.0);");
    auto definition = make_definition({copy_unit0, copy_unit0, combine}, 2);
    auto& settings = definition->settings;
    settings.pass_input[0][0] = 1;
    settings.pass_output[0] = 4;
    settings.pass_input[1][0] = 0;
    settings.pass_output[1] = 3;
    settings.pass_input[2][0] = 4;
    settings.pass_input[2][1] = 3;
    settings.pass_output[2] = 2;
    const StagedPicture first = float_picture(1, 1, {0.25f, 0.0f, 0.0f, 1.0f});
    const StagedPicture second = float_picture(1, 1, {0.75f, 0.0f, 0.0f, 1.0f});
    RenderRun run(std::move(definition));
    run.set_input(0, first);
    run.set_input(1, second);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), 0.75f) << "unit 0 of the last pass reads input 1 through buffer 4";
    EXPECT_EQ(run.at(0, 0, 1), 0.25f) << "unit 1 of the last pass reads input 0 through buffer 3";
}

// One row per loop setting: pass 0 adds 1/16, pass 1 doubles, so the result tells the
// order in which they ran.
struct LoopCase {
    const char* name;
    int iterations;
    int loop_first;
    float expected;  // value after the passes ran in the order noted
};

// Test listings show the row's name.
void PrintTo(const LoopCase& row, std::ostream* out) { *out << row.name; }

class PassLoopGlTest : public GlTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(PassLoopGlTest, PassPairsRepeatInTurn) {
    const LoopCase& row = GetParam();
    const std::string add = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) + vec4(0.0625);");
    const std::string twice = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) * 2.0;");
    auto definition = make_definition({add, twice});
    // Pass 0 reads the pair's result (buffer 2) after the first round, and input 0 holds
    // zero, so the first round starts from zero as well.
    definition->settings.pass_input[0][0] = 2;
    definition->settings.pass_output[0] = 1;
    definition->settings.pass_input[1][0] = 1;
    definition->settings.pass_output[1] = 2;
    definition->settings.pass_loop[0] = row.loop_first;
    const StagedPicture input = float_picture(1, 1, {0.0f, 0.0f, 0.0f, 0.0f});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().iterations = row.iterations;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Orders, PassLoopGlTest,
                         ::testing::Values(
                             // 0, 1: (0 + 1/16) * 2
                             LoopCase{"no_loop_flag", 3, 0, 0.125f},
                             // 0, 1, 0, 1, 0, 1: 1/16 -> 2/16 -> 3/16 -> 6/16 -> 7/16 -> 14/16
                             LoopCase{"three_iterations", 3, 1, 0.875f},
                             // loop flag 2 doubles the repeats: n = 2 * (2 - 1) = 2, three rounds
                             LoopCase{"loop_multiplier", 2, 2, 0.875f},
                             // one repeat: 0, 1, 0, 1: 1/16 -> 2/16 -> 3/16 -> 6/16
                             LoopCase{"one_repeat", 2, 1, 0.375f},
                             // iterations 1 never repeats
                             LoopCase{"single_iteration", 1, 5, 0.125f}),
                         [](const ::testing::TestParamInfo<LoopCase>& info) { return std::string(info.param.name); });

TEST_F(PassPipelineGlTest, PairRepeatsAreBounded) {
    // A huge iteration count from a parameter value: the pair runs at most 4097 times
    // (the bound plus the first round) instead of holding the render for hours.
    const std::string add = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) + vec4(1.0);");
    auto definition = make_definition({add, kIdentityShader});
    auto& settings = definition->settings;
    settings.pass_input[0][0] = 2;  // pass 0 reads the pair's result
    settings.pass_output[0] = 1;
    settings.pass_input[1][0] = 1;
    settings.pass_output[1] = 2;
    settings.pass_loop[0] = 1;
    const StagedPicture input = float_picture(1, 1, {0.0f, 0.0f, 0.0f, 0.0f});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().iterations = 2'000'000'000;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), 4097.0f);
}

TEST_F(PassPipelineGlTest, LoopingLastPassHasNoPartner) {
    // The last pass loops; the pass after it does not exist, even when a routing line
    // names a target for it.
    const std::string add = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) + vec4(0.25);");
    auto definition = make_definition({add, add});
    definition->settings.pass_loop[1] = 1;
    definition->settings.pass_input[2][0] = 0;
    definition->settings.pass_output[2] = 1;
    const StagedPicture input = float_picture(1, 1, {0.0f, 0.0f, 0.0f, 0.0f});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().iterations = 3;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), 0.5f);
}

TEST_F(PassPipelineGlTest, ReducedPassRendersSmallAndLastPassAtOutputSize) {
    // Pass 0 writes its own resolution; the last pass passes it on and adds its own.
    const std::string measure = fragment("uniform vec2 resolution;", "gl_FragColor = vec4(resolution, 0.0, 1.0);");
    const std::string last = fragment("uniform sampler2D in0; uniform vec2 resolution;",
                                      "gl_FragColor = vec4(texture2D(in0, uv).rg, resolution);");
    auto definition = make_definition({measure, last});
    definition->settings.pass_downsample[0] = 0.5f;
    definition->settings.pass_downsample[1] = 0.25f;  // ignored: the last pass is full size
    const StagedPicture input = coordinate_picture(10, 6);
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().scale = 0.5f;  // with the pass's own 0.5: a quarter
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    const GlTexture& reduced = run.renderer().texture(1);
    EXPECT_EQ(reduced.width(), 2) << "trunc(10 * 0.25)";
    EXPECT_EQ(reduced.height(), 1) << "trunc(6 * 0.25)";
    EXPECT_EQ(run.at(0, 0, 0), 2.0f);
    EXPECT_EQ(run.at(0, 0, 1), 1.0f);
    EXPECT_EQ(run.at(9, 5, 2), 10.0f) << "the last pass renders at the output size";
    EXPECT_EQ(run.at(9, 5, 3), 6.0f);
    EXPECT_EQ(run.frame().output.width, 10);
    EXPECT_EQ(run.frame().output.height, 6);
}

TEST_F(PassPipelineGlTest, MipmappedReadOfAReducedPassSeesTheFreshPixels) {
    // Pass 1 samples pass 0's full-size target at a quarter size with mipmap filtering:
    // the mipmaps must describe what pass 0 drew, not the empty texture.
    const std::string white = fragment("", "gl_FragColor = vec4(1.0);");
    const std::string copy = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv);");
    const std::string last = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, vec2(0.5));");
    auto definition = make_definition({white, copy, last});
    definition->settings.pass_downsample[1] = 0.25f;
    definition->settings.pass_smooth[1] = 2;
    const StagedPicture input = coordinate_picture(16, 16);
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_FLOAT_EQ(run.at(0, 0, 0), 1.0f);
    EXPECT_FLOAT_EQ(run.at(0, 0, 3), 1.0f);
}

TEST_F(PassPipelineGlTest, MipmappedReadReachesTheReducedLevels) {
    // Pass 0 lights one corner pixel of 4 x 4; pass 1 reads it into one pixel with mipmap
    // filtering, which must reach the 1 x 1 level (the mean, 1/16) instead of stopping at
    // level 0, whose centre is dark.
    const std::string corner =
        fragment("", "gl_FragColor = (gl_FragCoord.x < 1.0 && gl_FragCoord.y < 1.0) ? vec4(1.0) : vec4(0.0);");
    const std::string reduce = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv);");
    auto definition = make_definition({corner, reduce, reduce});
    definition->settings.pass_downsample[1] = 0.25f;
    definition->settings.pass_smooth[1] = 2;
    const StagedPicture input = coordinate_picture(4, 4);
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    ASSERT_EQ(run.renderer().texture(2).width(), 1);
    EXPECT_FLOAT_EQ(run.at(0, 0, 0), 1.0f / 16.0f);
    EXPECT_FLOAT_EQ(run.at(3, 3, 3), 1.0f / 16.0f);
}

TEST_F(PassPipelineGlTest, IncompleteTargetSkipsOnlyThatPass) {
    // Pass 0's target does not exist (buffer 40 is beyond the textures), the frame
    // still renders pass 1 from input 0.
    auto definition = make_definition({kIdentityShader, kIdentityShader});
    definition->settings.pass_output[0] = 40;
    definition->settings.pass_input[1][0] = 0;
    const StagedPicture input = float_picture(1, 1, {0.5f, 0.25f, 0.125f, 1.0f});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 1), 0.25f);
    const std::string log = run.renderer().pass_log();
    EXPECT_EQ(log.rfind("run_pass: pass 0: its target buffer 40 has no texture", 0), 0u) << log;
    EXPECT_NE(log.find("skipped"), std::string::npos) << log;
}

}  // namespace
}  // namespace fx::test
