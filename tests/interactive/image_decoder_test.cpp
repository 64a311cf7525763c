// The PNG and JPEG decoders on files the tests write with libpng and libjpeg: every PNG
// colour type and bit depth, interlaced or not, transparency chunks, grey, RGB and CMYK
// JPEGs, baseline and progressive; and damaged, cut-short, oversized and non-file input.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "interactive/jpeg_decoder.h"
#include "interactive/png_decoder.h"
#include "picture_files.h"

namespace fx::test {
namespace {

struct PngCase {
    const char* label;
    int color_type;
    int depth;
    bool tRNS;
};

int channels_of(int color_type) {
    switch (color_type) {
        case PNG_COLOR_TYPE_GRAY:
            return 1;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        case PNG_COLOR_TYPE_RGB:
            return 3;
        case PNG_COLOR_TYPE_RGB_ALPHA:
            return 4;
        default:
            return 1;  // palette index
    }
}

// An 8-bit value for channel `ch` of pixel (x, y), varied enough that a pixel taken from
// the wrong place or a channel from the wrong position shows.
std::uint32_t pattern(int x, int y, int ch) { return static_cast<std::uint32_t>((x * 37 + y * 91 + ch * 53) % 256); }

// A picture of every kind of `c`, and the red, green, blue, alpha the decoder must give.
PngLayout make_png(const PngCase& c, bool interlaced, std::vector<std::uint8_t>& expected) {
    PngLayout layout{9, 7, c.color_type, c.depth, interlaced, {}, {}, {}, false, {0, 0, 0}};
    const int channels = channels_of(c.color_type);
    const std::uint32_t top = (1u << c.depth) - 1;
    const bool palette = c.color_type == PNG_COLOR_TYPE_PALETTE;
    if (palette) {
        for (std::uint32_t i = 0; i <= top; ++i) {
            layout.palette.push_back(static_cast<std::uint8_t>(i * 7));
            layout.palette.push_back(static_cast<std::uint8_t>(i * 13 + 5));
            layout.palette.push_back(static_cast<std::uint8_t>(i * 29 + 3));
        }
        // Fewer alpha entries than colours: the rest are opaque.
        if (c.tRNS)
            for (std::uint32_t i = 0; i < (top + 1) / 2 + 1 && i <= top; ++i)
                layout.palette_alpha.push_back(static_cast<std::uint8_t>(i % 3 == 0 ? 0 : i * 50));
    }
    // The sample written for an 8-bit value, and the byte the decoder gives back for it.
    const auto sample = [&](std::uint32_t v8, int x) -> std::uint32_t {
        if (c.depth == 16) return v8 * 256 + static_cast<std::uint32_t>(x * 13 % 256);  // low byte is stripped
        if (c.depth < 8) return v8 % (top + 1);
        return v8;
    };
    const auto as8 = [&](std::uint32_t s) -> std::uint8_t {
        if (c.depth == 16) return static_cast<std::uint8_t>(s >> 8);
        return static_cast<std::uint8_t>(s * 255 / top);
    };
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            for (int ch = 0; ch < channels; ++ch) layout.samples.push_back(sample(pattern(x, y, ch), x));
    if (c.tRNS && !palette) {
        // The colour of pixel (2, 0) is the transparent one.
        layout.transparent_colour = true;
        for (int ch = 0; ch < channels; ++ch) layout.trns[ch] = layout.samples[2 * channels + ch];
    }
    for (int p = 0; p < layout.width * layout.height; ++p) {
        const std::uint32_t* s = layout.samples.data() + p * channels;
        std::uint8_t rgba[4];
        if (palette) {
            rgba[0] = layout.palette[s[0] * 3];
            rgba[1] = layout.palette[s[0] * 3 + 1];
            rgba[2] = layout.palette[s[0] * 3 + 2];
            rgba[3] = s[0] < layout.palette_alpha.size() ? layout.palette_alpha[s[0]] : 255;
        } else if (channels <= 2) {
            rgba[0] = rgba[1] = rgba[2] = as8(s[0]);
            rgba[3] = channels == 2 ? as8(s[1]) : 255;
        } else {
            for (int ch = 0; ch < 3; ++ch) rgba[ch] = as8(s[ch]);
            rgba[3] = channels == 4 ? as8(s[3]) : 255;
        }
        if (layout.transparent_colour) {
            bool same = true;
            for (int ch = 0; ch < channels; ++ch) same = same && s[ch] == layout.trns[ch];
            rgba[3] = same ? 0 : 255;
        }
        expected.insert(expected.end(), rgba, rgba + 4);
    }
    return layout;
}

const PngCase kPngCases[] = {
    {"grey1", PNG_COLOR_TYPE_GRAY, 1, false},
    {"grey2", PNG_COLOR_TYPE_GRAY, 2, false},
    {"grey4", PNG_COLOR_TYPE_GRAY, 4, false},
    {"grey8", PNG_COLOR_TYPE_GRAY, 8, false},
    {"grey16", PNG_COLOR_TYPE_GRAY, 16, false},
    {"grey4_trns", PNG_COLOR_TYPE_GRAY, 4, true},
    {"grey8_trns", PNG_COLOR_TYPE_GRAY, 8, true},
    {"grey16_trns", PNG_COLOR_TYPE_GRAY, 16, true},
    {"grey_alpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false},
    {"grey_alpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false},
    {"rgb8", PNG_COLOR_TYPE_RGB, 8, false},
    {"rgb16", PNG_COLOR_TYPE_RGB, 16, false},
    {"rgb8_trns", PNG_COLOR_TYPE_RGB, 8, true},
    {"rgb16_trns", PNG_COLOR_TYPE_RGB, 16, true},
    {"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
    {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
    {"palette1", PNG_COLOR_TYPE_PALETTE, 1, false},
    {"palette2", PNG_COLOR_TYPE_PALETTE, 2, false},
    {"palette4", PNG_COLOR_TYPE_PALETTE, 4, false},
    {"palette8", PNG_COLOR_TYPE_PALETTE, 8, false},
    {"palette1_trns", PNG_COLOR_TYPE_PALETTE, 1, true},
    {"palette4_trns", PNG_COLOR_TYPE_PALETTE, 4, true},
    {"palette8_trns", PNG_COLOR_TYPE_PALETTE, 8, true},
};

TEST(PngDecoder, EveryColourTypeAndDepthBecomesEightBitRedGreenBlueAlpha) {
    for (const PngCase& c : kPngCases) {
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(std::string(c.label) + (interlaced ? " interlaced" : ""));
            std::vector<std::uint8_t> expected;
            const PngLayout layout = make_png(c, interlaced, expected);
            const std::string path = temp_path(std::string(c.label) + ".png");
            write_png(path, layout);
            Image image;
            image.width = 99;  // emptied first
            ASSERT_EQ(DecodePng(path, image, true), 0);
            EXPECT_EQ(image.width, 9u);
            EXPECT_EQ(image.height, 7u);
            EXPECT_EQ(image.channels, 4);
            EXPECT_EQ(image.pixels, expected);
            std::remove(path.c_str());
        }
    }
}

TEST(PngDecoder, WithoutAddedAlphaOpaquePicturesKeepThreeChannels) {
    std::vector<std::uint8_t> expected;
    const PngLayout layout = make_png({"rgb8", PNG_COLOR_TYPE_RGB, 8, false}, false, expected);
    const std::string path = temp_path("rgb.png");
    write_png(path, layout);
    Image image;
    ASSERT_EQ(DecodePng(path, image, false), 0);
    EXPECT_EQ(image.channels, 3);
    std::vector<std::uint8_t> rgb;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (i % 4 != 3) rgb.push_back(expected[i]);
    EXPECT_EQ(image.pixels, rgb);
    std::remove(path.c_str());
}

// A PNG signature and an IHDR chunk claiming the given size, with a correct CRC, and an
// IDAT of a few bytes: what a decompression bomb looks like before its data.
std::vector<std::uint8_t> png_claiming(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    const auto be32 = [&](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    be32(13);
    const std::size_t type_at = out.size();
    out.insert(out.end(), {'I', 'H', 'D', 'R'});
    be32(width);
    be32(height);
    out.insert(out.end(), {8, 2, 0, 0, 0});
    be32(static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), out.data() + type_at, 17)));
    be32(2);
    const std::size_t idat_at = out.size();
    out.insert(out.end(), {'I', 'D', 'A', 'T', 0x78, 0x9c});
    be32(static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), out.data() + idat_at, 6)));
    return out;
}

TEST(PngDecoder, DamagedCutShortAndOversizedFilesFail) {
    std::vector<std::uint8_t> expected;
    const std::string good = temp_path("good.png");
    write_png(good, make_png({"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false}, false, expected));
    const std::vector<std::uint8_t> bytes = read_bytes(good);
    std::vector<std::uint8_t> flipped = bytes;
    flipped[bytes.size() / 2] ^= 0x5a;  // inside the image data: its CRC no longer matches
    const struct {
        const char* label;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"signature only", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8)},
        {"cut in the header", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 20)},
        {"cut in the data", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2)},
        {"damaged data", flipped},
        {"not a PNG", std::vector<std::uint8_t>(100, 'x')},
        {"wider than the side limit", png_claiming(100000, 1)},
        {"more pixels than the limit", png_claiming(16000, 16000)},
        {"4G x 4G", png_claiming(0x7fffffff, 0x7fffffff)},
        {"zero size", png_claiming(0, 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = temp_path("bad.png");
        write_bytes(path, c.bytes);
        Image image;
        EXPECT_LT(DecodePng(path, image, true), 0);
        EXPECT_TRUE(image.empty());
        std::remove(path.c_str());
    }
    std::remove(good.c_str());
}

TEST(Decoders, MissingFilesFoldersAndPipesAreRefusedWithoutWaiting) {
    const std::string folder = temp_path("folder.png");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    const std::string fifo = temp_path("fifo.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {folder, fifo, temp_path("missing.png"), std::string()}) {
        SCOPED_TRACE(path);
        Image image;
        EXPECT_EQ(DecodePng(path, image, true), -1);
        EXPECT_EQ(DecodeJpeg(path, image), -1);
        EXPECT_TRUE(image.empty());
    }
    rmdir(folder.c_str());
    std::remove(fifo.c_str());
}

// 32 x 16 pixels: two flat 16 x 16 blocks, which JPEG at quality 100 keeps within a few
// levels.
JpegLayout flat_blocks(int components, const std::uint8_t left[4], const std::uint8_t right[4]) {
    JpegLayout layout{32, 16, components, false, true, {}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            for (int c = 0; c < components; ++c) layout.samples.push_back(x < 16 ? left[c] : right[c]);
    return layout;
}

void expect_blocks(const Image& image, const std::uint8_t left[3], const std::uint8_t right[3]) {
    ASSERT_EQ(image.width, 32u);
    ASSERT_EQ(image.height, 16u);
    ASSERT_EQ(image.channels, 3);
    ASSERT_EQ(image.pixels.size(), 32u * 16u * 3u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            for (int c = 0; c < 3; ++c) {
                const int want = x < 16 ? left[c] : right[c];
                const int got = image.pixels[(y * 32 + x) * 3 + c];
                ASSERT_NEAR(got, want, 4) << "x " << x << " y " << y << " channel " << c;
            }
}

TEST(JpegDecoder, GreyBecomesThreeEqualBytesAndRgbStaysRgb) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const std::uint8_t dark[4] = {40, 0, 0, 0}, light[4] = {200, 0, 0, 0};
        JpegLayout grey = flat_blocks(1, dark, light);
        grey.progressive = progressive;
        const std::string grey_path = temp_path("grey.JPG");
        write_jpeg(grey_path, grey);
        Image image;
        ASSERT_EQ(DecodeJpeg(grey_path, image), 0);
        const std::uint8_t dark3[3] = {40, 40, 40}, light3[3] = {200, 200, 200};
        expect_blocks(image, dark3, light3);
        for (std::size_t p = 0; p + 2 < image.pixels.size(); p += 3) {
            ASSERT_EQ(image.pixels[p], image.pixels[p + 1]);
            ASSERT_EQ(image.pixels[p], image.pixels[p + 2]);
        }

        const std::uint8_t orange[4] = {230, 120, 20, 0}, teal[4] = {20, 140, 150, 0};
        JpegLayout rgb = flat_blocks(3, orange, teal);
        rgb.progressive = progressive;
        const std::string rgb_path = temp_path("rgb.jpeg");
        write_jpeg(rgb_path, rgb);
        ASSERT_EQ(DecodeJpeg(rgb_path, image), 0);
        expect_blocks(image, orange, teal);
        std::remove(grey_path.c_str());
        std::remove(rgb_path.c_str());
    }
}

TEST(JpegDecoder, CmykIsConvertedToRgbInBothConventions) {
    // Ink amounts (0 none, 255 full): cyan with a little black, and pure yellow.
    const std::uint8_t ink_left[4] = {255, 0, 0, 51}, ink_right[4] = {0, 0, 255, 0};
    // red = (255 - C) * (255 - K) / 255 ...
    const std::uint8_t rgb_left[3] = {0, 204, 204}, rgb_right[3] = {255, 255, 0};
    for (bool adobe : {true, false}) {
        SCOPED_TRACE(adobe ? "Adobe, inverted" : "plain ink amounts");
        std::uint8_t left[4], right[4];
        for (int c = 0; c < 4; ++c) {
            left[c] = adobe ? static_cast<std::uint8_t>(255 - ink_left[c]) : ink_left[c];
            right[c] = adobe ? static_cast<std::uint8_t>(255 - ink_right[c]) : ink_right[c];
        }
        JpegLayout layout = flat_blocks(4, left, right);
        layout.adobe_marker = adobe;
        const std::string path = temp_path("cmyk.jpg");
        write_jpeg(path, layout);
        Image image;
        ASSERT_EQ(DecodeJpeg(path, image), 0);
        expect_blocks(image, rgb_left, rgb_right);
        std::remove(path.c_str());
    }
}

TEST(JpegDecoder, AProgressiveFileWithMoreScansThanTheLimitFails) {
    // One colour all over: the AC coefficients these scans leave unrefined would make
    // libjpeg smooth between blocks of different colours.
    const std::uint8_t orange[4] = {230, 120, 20, 0};
    // 1000 scans are the most a picture may take; one more and the decoder gives up
    // before reading the rest, however small the file.
    for (const int scans : {1000, 1001, 2090}) {
        SCOPED_TRACE(scans);
        JpegLayout layout = flat_blocks(3, orange, orange);
        layout.progressive = true;
        layout.scans = scans;
        const std::string path = temp_path("scans.jpg");
        write_jpeg(path, layout);
        Image image;
        if (scans <= 1000) {
            ASSERT_EQ(DecodeJpeg(path, image), 0);
            expect_blocks(image, orange, orange);
        } else {
            EXPECT_EQ(DecodeJpeg(path, image), -1);
            EXPECT_TRUE(image.empty());
            EXPECT_TRUE(image.pixels.empty());
        }
        std::remove(path.c_str());
    }
}

TEST(JpegDecoder, DamagedCutShortAndOversizedFilesFail) {
    const std::uint8_t a[4] = {10, 20, 30, 0}, b[4] = {200, 100, 50, 0};
    const std::string good = temp_path("good.jpg");
    write_jpeg(good, flat_blocks(3, a, b));
    const std::vector<std::uint8_t> bytes = read_bytes(good);
    // The frame header (FF C0) holds the height and width two and four bytes after its
    // length and precision.
    std::vector<std::uint8_t> huge = bytes;
    for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xff && huge[i + 1] == 0xc0) {
            huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0xfe;  // 65278 x 65278
            break;
        }
    }
    ASSERT_NE(huge, bytes) << "the frame header was found";
    const struct {
        const char* label;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"start marker only", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 2)},
        {"cut in the headers", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100)},
        {"cut in the data", std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 40)},
        {"not a JPEG", std::vector<std::uint8_t>(300, 'x')},
        {"65278 x 65278", huge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = temp_path("bad.jpg");
        write_bytes(path, c.bytes);
        Image image;
        EXPECT_EQ(DecodeJpeg(path, image), -1);
        EXPECT_TRUE(image.empty());
        std::remove(path.c_str());
    }
    std::remove(good.c_str());
}

}  // namespace
}  // namespace fx::test
