// The byte read-back for 8-bit hosts: from an 8-bit target it must give exactly the
// bytes the float read-back and the 8-bit rounding give, and it must refuse targets that
// hold more than bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gl_test_support.h"
#include "render/host_pixel_layout.h"
#include "render/pixel_converters.h"

namespace fx::test {
namespace {

using ByteReadBackGlTest = GlTest;

// A pass whose results fall between byte steps, so the stored bytes are the driver's own
// rounding, not copies of the input.
const std::string kScaleShader =
    fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) * 0.731 + vec4(0.0123);");

StagedPicture ramp_picture(int width, int height) {
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < width * height * 4; ++i) rgba.push_back(static_cast<std::uint8_t>(i * 37 + i / 7));
    return byte_picture(width, height, rgba);
}

TEST_F(ByteReadBackGlTest, GivesTheBytesTheFloatPathRoundsTo) {
    auto definition = make_definition({kScaleShader});
    definition->settings.outformat = 8;
    RenderRun run(std::move(definition));
    const StagedPicture input = ramp_picture(13, 5);
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    const int target = run.definition().settings.pass_output[0];
    ASSERT_TRUE(run.renderer().holds_bytes(target));

    std::vector<std::uint8_t> bytes(13 * 5 * 4, 0xEE);
    InputImage image;
    image.width = 13;
    image.height = 5;
    image.row_bytes = 13 * 4;
    image.pixels = bytes.data();
    ASSERT_TRUE(run.renderer().read_back_bytes(target, image));
    EXPECT_EQ(image.bits_per_channel, 8);
    EXPECT_EQ(image.row_bytes, 13 * 4);
    int distinct_from_input = 0;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 13; ++x) {
            for (int c = 0; c < 4; ++c) {
                const std::size_t i = (static_cast<std::size_t>(y) * 13 + x) * 4 + c;
                const auto rounded = pixel_layout::host_from_staged<std::uint8_t>(run.at(x, y, c));
                EXPECT_EQ(bytes[i], rounded) << "pixel " << x << ", " << y << ", channel " << c;
                distinct_from_input += bytes[i] != input.bytes[i];
            }
        }
    }
    EXPECT_GT(distinct_from_input, 13 * 5 * 2);
}

TEST_F(ByteReadBackGlTest, RefusesFloatTargetsAndSmallBuffers) {
    auto definition = make_definition({kScaleShader});
    definition->settings.outformat = 32;
    RenderRun run(std::move(definition));
    const StagedPicture input = ramp_picture(4, 4);
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    const int target = run.definition().settings.pass_output[0];
    std::vector<std::uint8_t> bytes(4 * 4 * 4);
    InputImage image;
    image.width = 4;
    image.height = 4;
    image.row_bytes = 16;
    image.pixels = bytes.data();
    EXPECT_FALSE(run.renderer().holds_bytes(target));
    EXPECT_FALSE(run.renderer().read_back_bytes(target, image));

    auto bytes_definition = make_definition({kScaleShader});
    bytes_definition->settings.outformat = 8;
    RenderRun byte_run(std::move(bytes_definition));
    byte_run.set_input(0, input);
    ASSERT_TRUE(byte_run.render());
    image.height = 3;  // one row short
    EXPECT_FALSE(byte_run.renderer().read_back_bytes(target, image));
}

}  // namespace
}  // namespace fx::test
