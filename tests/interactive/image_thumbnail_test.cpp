// The control's thumbnail: hand-computed samples of a known picture, magenta where it is
// transparent, the fit with and without the aspect ratio kept, the button glyphs, and
// the checkerboard placeholder.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "host/image_records.h"
#include "interactive/image_thumbnail.h"

namespace fx::test {
namespace {

using Pixel = std::array<int, 4>;  // blue, green, red, alpha as stored

Pixel thumb_at(const ImageHolder& holder, int width, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * (width + thumbnail_button_width) + x) * 4;
    const auto& p = holder.thumb.pixels;
    return {p[at], p[at + 1], p[at + 2], p[at + 3]};
}

Image picture(std::uint32_t width, std::uint32_t height, std::uint8_t channels) {
    Image image;
    image.width = width;
    image.height = height;
    image.channels = channels;
    image.pixels.assign(std::size_t{width} * height * channels, 0);
    return image;
}

void set(Image& image, std::uint32_t x, std::uint32_t y, std::array<std::uint8_t, 4> rgba) {
    for (int c = 0; c < image.channels; ++c) image.pixels[(y * image.width + x) * image.channels + c] = rgba[c];
}

TEST(Thumbnail, SamplesAreTwoByTwoAveragesAndTransparencyShowsMagenta) {
    // 4 x 2 pixels into a 2 x 1 thumbnail, stretched: steps of 2 in both directions, so
    // thumbnail pixel 0 averages columns 0-1 and pixel 1 columns 2-3.
    ImageHolder holder;
    holder.full = picture(4, 2, 4);
    // Left block: red 255 everywhere, green only top left (average 0.25 -> 63), blue in
    // the right column (0.5 -> 127), opaque.
    set(holder.full, 0, 0, {255, 255, 0, 255});
    set(holder.full, 1, 0, {255, 0, 255, 255});
    set(holder.full, 0, 1, {255, 0, 0, 255});
    set(holder.full, 1, 1, {255, 0, 255, 255});
    // Right block: green everywhere but fully transparent.
    for (std::uint32_t x : {2u, 3u})
        for (std::uint32_t y : {0u, 1u}) set(holder.full, x, y, {0, 255, 0, 0});
    build_thumbnail(holder, {2, 1, 0});
    ASSERT_EQ(holder.thumb.pixels.size(), (2u + 25u) * 1u * 4u);
    EXPECT_EQ(thumb_at(holder, 2, 0, 0), (Pixel{127, 63, 255, 255}));
    EXPECT_EQ(thumb_at(holder, 2, 1, 0), (Pixel{255, 0, 255, 255})) << "transparent: magenta";
    EXPECT_EQ(holder.min_sample, 0.0f);
    EXPECT_EQ(holder.max_sample, 255.0f);
}

TEST(Thumbnail, PicturesWithoutAlphaAreOpaqueAndTheSampleRangeIsTracked) {
    ImageHolder holder;
    holder.full = picture(2, 2, 3);
    // Red 255 in the top row only (average 0.5 -> 127), green 255 everywhere, blue 0.
    set(holder.full, 0, 0, {255, 255, 0, 0});
    set(holder.full, 1, 0, {255, 255, 0, 0});
    set(holder.full, 0, 1, {0, 255, 0, 0});
    set(holder.full, 1, 1, {0, 255, 0, 0});
    build_thumbnail(holder, {1, 1, 0});
    EXPECT_EQ(thumb_at(holder, 1, 0, 0), (Pixel{0, 255, 127, 255}));
    EXPECT_EQ(holder.min_sample, 0.0f);
    EXPECT_EQ(holder.max_sample, 255.0f);
}

// Columns and rows of a 100 x 80 thumbnail that received a sample (alpha 255), outside
// the glyph strip.
std::pair<int, int> filled_extent(const ImageHolder& holder) {
    int columns = 0, rows = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            if (thumb_at(holder, 100, x, y)[3] == 255) {
                columns = std::max(columns, x + 1);
                rows = std::max(rows, y + 1);
            }
    return {columns, rows};
}

int filled_count(const ImageHolder& holder) {
    int count = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) count += thumb_at(holder, 100, x, y)[3] == 255;
    return count;
}

TEST(Thumbnail, KeepingTheAspectRatioFitsTheSquareAndStretchingFillsAll) {
    ImageHolder holder;
    holder.full = picture(1000, 500, 3);
    // Steps of 12.5: 80 samples across, 40 down.
    build_thumbnail(holder, {100, 80, 1});
    EXPECT_EQ(filled_extent(holder), (std::pair<int, int>{80, 40}));
    EXPECT_EQ(filled_count(holder), 80 * 40);
    EXPECT_EQ(thumb_at(holder, 100, 90, 60), (Pixel{0, 0, 0, 0})) << "outside the picture stays 0";
    // Steps of 10 and 6.25: every pixel.
    build_thumbnail(holder, {100, 80, 0});
    EXPECT_EQ(filled_count(holder), 100 * 80);
}

TEST(Thumbnail, ATallPictureKeepsItsAspectRatio) {
    ImageHolder holder;
    holder.full = picture(250, 1000, 3);
    // imgwidth 100, imgheight 80: the 80 x 80 square; the picture is a quarter as wide
    // as it is tall, so steps of 12.5: 20 columns, 80 rows.
    build_thumbnail(holder, {100, 80, 1});
    EXPECT_EQ(filled_extent(holder), (std::pair<int, int>{20, 80}));
}

TEST(Thumbnail, TheButtonGlyphsAreDrawnBesideThePicture) {
    ImageHolder holder;
    build_thumbnail(holder, {50, 50, 1});  // no picture: only the glyphs
    const Pixel glyph{190, 190, 190, 255}, none{0, 0, 0, 0};
    const int strip = 52;
    // Box edges of the top box, the plus sign's centre, the minus sign, the ring.
    for (auto [x, y] : {std::pair{2, 2},
                        {15, 2},
                        {2, 15},
                        {2, 8},
                        {15, 14},
                        {8, 8},
                        {9, 4},
                        {4, 24},
                        {13, 25},
                        {6, 36},
                        {11, 45},
                        {4, 38},
                        {13, 43},
                        {2, 47}})
        EXPECT_EQ(thumb_at(holder, 50, strip + x, y), glyph) << x << "," << y;
    // Inside the boxes around the glyphs, and the gap between the boxes.
    for (auto [x, y] : {std::pair{4, 4}, {13, 13}, {8, 20}, {8, 28}, {8, 40}, {8, 16}, {8, 33}, {0, 0}, {17, 8}})
        EXPECT_EQ(thumb_at(holder, 50, strip + x, y), none) << x << "," << y;
    EXPECT_EQ(thumb_at(holder, 50, 10, 10), none) << "no picture: the thumbnail stays 0";
}

TEST(Thumbnail, ShortControlsClipTheGlyphs) {
    ImageHolder holder;
    build_thumbnail(holder, {10, 5, 1});
    ASSERT_EQ(holder.thumb.pixels.size(), 35u * 5u * 4u);
    EXPECT_EQ(thumb_at(holder, 10, 14, 2), (Pixel{190, 190, 190, 255}));
}

TEST(Placeholder, IsATwoByTwoCheckerboardWithWhiteTopLeft) {
    const Image image = placeholder_picture(5, 3);
    ASSERT_EQ(image.width, 5u);
    ASSERT_EQ(image.height, 3u);
    ASSERT_EQ(image.channels, 3);
    // Halves 2 and 1: white where (y < 1) == (x < 2).
    const char* const rows[] = {"WWBBB", "BBWWW", "BBWWW"};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(image.pixels[(y * 5 + x) * 3 + c], rows[y][x] == 'W' ? 255 : 0) << x << "," << y;
}

}  // namespace
}  // namespace fx::test
