// Upload and read-back on their own: storage formats, flips, and buffers that do not
// fit.

#include <gtest/gtest.h>

#include <ostream>

#include <GL/glew.h>

#include <vector>

#include "gl_test_support.h"

namespace fx::test {
namespace {

using TextureTransferGlTest = GlTest;

// Values an 8-bit texture could not hold: they come back unchanged only from float
// storage.
const std::vector<float> kWideValues = {2.5f, -0.75f, 0.1234567f, 1.0f};

TEST_F(TextureTransferGlTest, StaleErrorDoesNotDowngradeFloatStorage) {
    RenderRun run(make_definition({kIdentityShader}));
    ASSERT_TRUE(run.renderer().make_current());
    glEnd();  // outside glBegin: GL_INVALID_OPERATION, left unread
    run.renderer().restore();
    const StagedPicture input = float_picture(1, 1, kWideValues);
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    for (int c = 0; c < 4; ++c) EXPECT_EQ(run.at(0, 0, c), kWideValues[c]) << "channel " << c;
}

TEST_F(TextureTransferGlTest, SameSizeInputChangingDepthGetsFloatStorage) {
    RenderRun run(make_definition({kIdentityShader}));
    const StagedPicture bytes = byte_picture(1, 1, {10, 20, 30, 255});
    run.set_input(0, bytes);
    ASSERT_TRUE(run.render());
    const StagedPicture floats = float_picture(1, 1, kWideValues);
    run.set_input(0, floats);
    ASSERT_TRUE(run.render());
    for (int c = 0; c < 4; ++c) EXPECT_EQ(run.at(0, 0, c), kWideValues[c]) << "channel " << c;
}

TEST_F(TextureTransferGlTest, HighRangeForcesFloatStorageFor8BitInputsWithFormat9) {
    auto definition = make_definition({fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) * 300.0;")});
    definition->settings.informat = 9;
    definition->settings.range = 1;
    RenderRun run(std::move(definition));
    const StagedPicture bytes = byte_picture(1, 1, {1, 2, 3, 255});
    run.set_input(0, bytes);
    ASSERT_TRUE(run.render());
    // The input texture is float: byte 1 is 1/255 and 300 times that is well above 1,
    // which only a float target keeps (range on and format 9 make the targets float too).
    EXPECT_FLOAT_EQ(run.at(0, 0, 0), 300.0f / 255.0f);
    EXPECT_FLOAT_EQ(run.at(0, 0, 3), 300.0f);
}

TEST_F(TextureTransferGlTest, UnflippedReadReturnsRowsAsStored) {
    RenderRun run(make_definition({kIdentityShader}));
    const StagedPicture input = coordinate_picture(3, 2);
    run.set_input(0, input);
    ASSERT_TRUE(run.render());
    std::vector<float> rows(3 * 2 * 4, -1.0f);
    InputImage image;
    image.pixels = rows.data();
    image.width = 3;
    image.height = 2;
    image.row_bytes = 3 * 16;
    ASSERT_TRUE(run.renderer().read_back_unflipped(1, image));
    // GL's first row is the bottom one: the input's last row.
    EXPECT_EQ(rows[1], 1.0f / 64.0f) << "y of the first stored row";
    EXPECT_EQ(rows[3 * 4 + 1], 0.0f) << "y of the second stored row";
}

struct RefusedUploadCase {
    const char* name;
    int slot;
    int bits;
    int row_bytes;
};

// Test listings show the row's name.
void PrintTo(const RefusedUploadCase& row, std::ostream* out) { *out << row.name; }

class RefusedUploadGlTest : public GlTest, public ::testing::WithParamInterface<RefusedUploadCase> {};

TEST_P(RefusedUploadGlTest, UploadLeavesTheTextureUntouched) {
    const RefusedUploadCase& row = GetParam();
    RenderRun run(make_definition({kIdentityShader}));
    StagedPicture input = float_picture(4, 2, {1.0f});
    input.image.bits_per_channel = row.bits;
    input.image.row_bytes = row.row_bytes;
    run.renderer().upload_input(input.image, row.slot);
    for (int k = 0; k < kTextureSlots; ++k) EXPECT_EQ(run.renderer().texture_slot(k).width, 0) << "slot " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedUploadGlTest,
    ::testing::Values(RefusedUploadCase{"row_shorter_than_its_pixels", 0, 32, 4 * 16 - 1},
                      RefusedUploadCase{"slot_beyond_the_textures", 5, 32, 64},
                      RefusedUploadCase{"negative_slot", -1, 32, 64},
                      RefusedUploadCase{"depth_neither_8_nor_32", 0, 16, 64}),
    [](const ::testing::TestParamInfo<RefusedUploadCase>& info) { return std::string(info.param.name); });

TEST_F(TextureTransferGlTest, ReadBackRefusesABufferSmallerThanTheTexture) {
    RenderRun run(make_definition({kIdentityShader}));
    const StagedPicture input = coordinate_picture(4, 4);
    run.set_input(0, input);
    ASSERT_TRUE(run.render());
    std::vector<float> small(2 * 2 * 4, -1.0f);
    InputImage image;
    image.pixels = small.data();
    image.width = 2;
    image.height = 2;
    image.row_bytes = 2 * 16;
    EXPECT_FALSE(run.renderer().read_back(1, image));
    EXPECT_EQ(image.width, 2) << "the record is left as it was";
    for (float value : small) EXPECT_EQ(value, -1.0f);
    EXPECT_FALSE(run.renderer().read_back(7, image)) << "a slot without a texture";
}

TEST_F(TextureTransferGlTest, ZeroRowBytesAreComputedFromTheWidth) {
    RenderRun run(make_definition({kIdentityShader}));
    StagedPicture input = coordinate_picture(3, 3);
    input.image.row_bytes = 0;
    run.set_input(0, input);
    ASSERT_TRUE(run.render());
    EXPECT_EQ(run.at(2, 1, 2), (2 + 1 * 3) / 64.0f);
}

}  // namespace
}  // namespace fx::test
