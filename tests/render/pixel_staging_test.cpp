#include "render/pixel_staging.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "pixel_test_support.h"

namespace fx {
namespace {

struct LayerLayoutCase {
    const char* name;
    HostPixelFormat format;
    int bits;
    int row_bytes;  // for width 10
};

const LayerLayoutCase kLayerCases[] = {
    {"argb_stays_bytes", HostPixelFormat::argb, 8, 40},
    {"bgra_stays_bytes", HostPixelFormat::bgra, 8, 40},
    {"ae16_staged_float", HostPixelFormat::ae16, 32, 160},
    {"ae32_staged_float", HostPixelFormat::ae32, 32, 160},
    {"BGra_staged_float", HostPixelFormat::BGra, 32, 160},
    {"BGaL_staged_float", HostPixelFormat::BGaL, 32, 160},
    {"unknown_staged_float", host_pixel_format(0x61797576), 32, 160},
};

TEST(PixelStaging, LayerLayoutFollowsTheHostFormat) {
    for (const LayerLayoutCase& c : kLayerCases) {
        SCOPED_TRACE(c.name);
        const InputImage image = staged_layer_layout(c.format, 10, 3, -4.0, 2.5);
        EXPECT_EQ(image.width, 10);
        EXPECT_EQ(image.height, 3);
        EXPECT_EQ(image.bits_per_channel, c.bits);
        EXPECT_EQ(image.row_bytes, c.row_bytes);
        EXPECT_EQ(image.channel_layout, ChannelLayout::rgba);
        EXPECT_EQ(image.origin_x, -4.0);
        EXPECT_EQ(image.origin_y, 2.5);
        EXPECT_EQ(image.pixels, nullptr);
        EXPECT_EQ(staged_byte_size(image), static_cast<std::size_t>(c.row_bytes) * 3);
    }
}

TEST(PixelStaging, ImageLayoutKeepsThreeChannelRows) {
    unsigned char pixels[1];
    const InputImage rgb = staged_image_layout(5, 2, 3, pixels);
    EXPECT_EQ(rgb.channel_layout, ChannelLayout::rgb);
    EXPECT_EQ(rgb.row_bytes, 15);
    EXPECT_EQ(rgb.bits_per_channel, 8);
    EXPECT_EQ(rgb.pixels, pixels);
    const InputImage rgba = staged_image_layout(5, 2, 4, pixels);
    EXPECT_EQ(rgba.channel_layout, ChannelLayout::rgba);
    EXPECT_EQ(rgba.row_bytes, 20);
}

TEST(PixelStaging, OutputIsFloatRgbaAtOrigin) {
    const InputImage output = staged_output_layout(7, 4);
    EXPECT_EQ(output.bits_per_channel, 32);
    EXPECT_EQ(output.row_bytes, 112);
    EXPECT_EQ(output.origin_x, 0.0);
    EXPECT_EQ(output.channel_layout, ChannelLayout::rgba);
    EXPECT_EQ(staged_byte_size(output), 448u);
}

TEST(PixelStaging, ClearZeroesExactlyThePicture) {
    InputImage output = staged_output_layout(3, 2);
    std::vector<unsigned char> buffer(staged_byte_size(output) + 4, 0xEE);
    output.pixels = buffer.data();
    clear_staged_pixels(output);
    for (std::size_t i = 0; i < staged_byte_size(output); ++i) ASSERT_EQ(buffer[i], 0) << "byte " << i;
    EXPECT_EQ(buffer[staged_byte_size(output)], 0xEE);
    InputImage empty;
    clear_staged_pixels(empty);  // no pixels: nothing to clear, no crash
    EXPECT_EQ(staged_byte_size(empty), 0u);
}

TEST(PixelStaging, RejectsSizesThatCannotBeStaged) {
    EXPECT_THROW(staged_layer_layout(HostPixelFormat::ae32, -1, 4, 0, 0), std::invalid_argument);
    EXPECT_THROW(staged_output_layout(4, -1), std::invalid_argument);
    EXPECT_THROW(staged_layer_layout(HostPixelFormat::ae32, 200'000'000, 1, 0, 0), std::length_error);
    EXPECT_THROW(staged_output_layout(200'000'000, 1), std::length_error);
    EXPECT_THROW(staged_image_layout(4, 4, 2, nullptr), std::invalid_argument);
    EXPECT_NO_THROW(staged_layer_layout(HostPixelFormat::argb, 200'000'000, 1, 0, 0));
    EXPECT_EQ(staged_byte_size(staged_output_layout(0, 5)), 0u);
}

}  // namespace
}  // namespace fx
