// Storage kept between frames: one renderer drawing frames of changing size, depth and
// content gives the pixels a fresh renderer gives for each of them, and a mipmapped read
// of an input always describes the picture uploaded last.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gl_test_support.h"

namespace fx::test {
namespace {

using KeptStorageGlTest = GlTest;

// Pass 0 reads the input reduced to a quarter through its mipmaps (filter mode 2) and
// shifts it a little, so that its target differs from the input in content and size;
// pass 1 brings it back to the output size with linear filtering.
std::unique_ptr<EffectDefinition> reducing_definition(int outformat) {
    const std::string reduce =
        fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) * 0.75 + vec4(0.125);");
    auto definition = make_definition({reduce, kIdentityShader});
    definition->settings.outformat = outformat;
    definition->settings.pass_downsample[0] = 0.25f;
    definition->settings.pass_smooth[0] = 2;
    definition->settings.pass_smooth[1] = 1;
    return definition;
}

StagedPicture pattern_picture(int width, int height, int bits, int seed) {
    std::vector<std::uint8_t> bytes;
    std::vector<float> floats;
    for (int i = 0; i < width * height * 4; ++i) {
        const int value = (i * 37 + seed * 101 + (i / 4) * (i / 4)) % 256;
        bytes.push_back(static_cast<std::uint8_t>(value));
        floats.push_back(static_cast<float>(value) / 255.0f);
    }
    return bits == 8 ? byte_picture(width, height, bytes) : float_picture(width, height, floats);
}

struct FrameCase {
    int width, height, bits, outformat, seed;
};

// Sizes up and down, 8-bit and float inputs (8-bit and float targets under the automatic
// format), the same size again with other content.
const FrameCase kFrames[] = {
    {16, 12, 8, 0, 1},  {16, 12, 8, 0, 2}, {9, 20, 32, 0, 3}, {9, 20, 8, 0, 4},
    {16, 12, 32, 0, 5}, {33, 7, 8, 0, 6},  {16, 12, 8, 0, 1},
};

TEST_F(KeptStorageGlTest, FramesOfChangingSizeAndDepthMatchAFreshRenderer) {
    RenderRun kept(reducing_definition(0));
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", " + std::to_string(c.bits) +
                     "-bit, picture " + std::to_string(c.seed));
        const StagedPicture picture = pattern_picture(c.width, c.height, c.bits, c.seed);
        kept.frame().output.width = 0;  // the output takes each frame's input size
        kept.set_input(0, picture);
        ASSERT_TRUE(kept.render()) << kept.renderer().error_text();

        RenderRun fresh(reducing_definition(c.outformat));
        fresh.set_input(0, picture);
        ASSERT_TRUE(fresh.render()) << fresh.renderer().error_text();
        ASSERT_EQ(kept.frame().output.width, c.width);
        ASSERT_EQ(kept.frame().output.height, c.height);
        ASSERT_EQ(kept.output().size(), fresh.output().size());
        for (std::size_t i = 0; i < fresh.output().size(); ++i)
            ASSERT_EQ(kept.output()[i], fresh.output()[i]) << "float " << i;
    }
}

TEST_F(KeptStorageGlTest, MipmappedReadOfAnInputSeesThePictureUploadedLast) {
    // The whole picture reduced into one pixel, which reads its smallest level.
    auto definition = make_definition({kIdentityShader, kIdentityShader});
    definition->settings.pass_downsample[0] = 1.0f / 8.0f;
    definition->settings.pass_smooth[0] = 2;
    RenderRun run(std::move(definition));
    for (const float level : {0.0f, 1.0f, 0.25f}) {
        SCOPED_TRACE(level);
        const StagedPicture picture = float_picture(8, 8, std::vector<float>(8 * 8 * 4, level));
        run.set_input(0, picture);
        ASSERT_TRUE(run.render()) << run.renderer().error_text();
        EXPECT_FLOAT_EQ(run.at(0, 0, 0), level) << "the reduced levels describe an earlier picture";
        EXPECT_FLOAT_EQ(run.at(7, 7, 3), level);
    }
}

}  // namespace
}  // namespace fx::test
