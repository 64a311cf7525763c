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

// The storage the driver actually holds for a texture (level 0).
GLint stored_internal_format(GlRenderer& renderer, int slot) {
    GLint format = 0;
    if (!renderer.make_current()) return format;
    glBindTexture(GL_TEXTURE_2D, renderer.texture(slot).id());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    glBindTexture(GL_TEXTURE_2D, 0);
    renderer.restore();
    return format;
}

struct StorageCase {
    const char* name;
    int format_setting;  // informat and outformat alike
    int range;
    int input_bits;
    GLint input_storage;   // texture slot 0
    GLint target_storage;  // the pass's target, slot 1
};

// Test listings show the row's name.
void PrintTo(const StorageCase& row, std::ostream* out) { *out << row.name; }

class StorageFormatGlTest : public GlTest, public ::testing::WithParamInterface<StorageCase> {};

TEST_P(StorageFormatGlTest, SettingDepthAndRangePickTheStorage) {
    const StorageCase& row = GetParam();
    auto definition = make_definition({kIdentityShader});
    definition->settings.informat = row.format_setting;
    definition->settings.outformat = row.format_setting;
    definition->settings.range = row.range;
    RenderRun run(std::move(definition));
    const StagedPicture bytes = byte_picture(2, 2, std::vector<std::uint8_t>(16, 200));
    const StagedPicture floats = float_picture(2, 2, std::vector<float>(16, 0.5f));
    run.set_input(0, row.input_bits == 8 ? bytes : floats);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(stored_internal_format(run.renderer(), 0), row.input_storage) << "input texture";
    EXPECT_EQ(stored_internal_format(run.renderer(), 1), row.target_storage) << "render target";
}

INSTANTIATE_TEST_SUITE_P(
    Storage, StorageFormatGlTest,
    ::testing::Values(StorageCase{"auto_keeps_8_bit_inputs_8_bit", 0, 0, 8, GL_RGBA8, GL_RGBA8},
                      StorageCase{"auto_makes_float_inputs_float", 0, 0, 32, GL_RGBA32F, GL_RGBA32F},
                      StorageCase{"setting_8_squeezes_float_inputs", 8, 0, 32, GL_RGBA8, GL_RGBA8},
                      StorageCase{"setting_16_is_half_float", 16, 0, 8, GL_RGBA16F, GL_RGBA16F},
                      StorageCase{"setting_32_is_float", 32, 0, 8, GL_RGBA32F, GL_RGBA32F},
                      StorageCase{"range_on_makes_float_inputs_float", 8, 1, 32, GL_RGBA32F, GL_RGBA32F},
                      StorageCase{"range_on_leaves_8_bit_inputs_alone", 8, 1, 8, GL_RGBA8, GL_RGBA8},
                      StorageCase{"setting_9_without_range_is_auto", 9, 0, 8, GL_RGBA8, GL_RGBA8},
                      StorageCase{"setting_9_with_range_is_float", 9, 1, 8, GL_RGBA32F, GL_RGBA32F},
                      StorageCase{"gl_value_used_directly", GL_RGB10_A2, 0, 8, GL_RGB10_A2, GL_RGB10_A2},
                      StorageCase{"value_the_driver_refuses_falls_back_to_8_bit", 12345, 0, 32, GL_RGBA8, GL_RGBA8}),
    [](const ::testing::TestParamInfo<StorageCase>& info) { return std::string(info.param.name); });

TEST_F(TextureTransferGlTest, HighRangeFloatStorageKeepsValuesAbove1From8BitInputs) {
    auto definition =
        make_definition({fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv) * 300.0;")});
    definition->settings.informat = 9;
    definition->settings.outformat = 9;
    definition->settings.range = 1;
    RenderRun run(std::move(definition));
    const StagedPicture bytes = byte_picture(1, 1, {1, 2, 3, 255});
    run.set_input(0, bytes);
    ASSERT_TRUE(run.render());
    // 300 times byte 1 is well above 1, which only a float target keeps.
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
    for (int k = 0; k < kTextureSlots; ++k) EXPECT_EQ(run.renderer().texture(k).width(), 0) << "slot " << k;
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedUploadGlTest,
                         ::testing::Values(RefusedUploadCase{"row_shorter_than_its_pixels", 0, 32, 4 * 16 - 1},
                                           RefusedUploadCase{"slot_beyond_the_textures", 5, 32, 64},
                                           RefusedUploadCase{"negative_slot", -1, 32, 64},
                                           RefusedUploadCase{"depth_neither_8_nor_32", 0, 16, 64}),
                         [](const ::testing::TestParamInfo<RefusedUploadCase>& info) {
                             return std::string(info.param.name);
                         });

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
