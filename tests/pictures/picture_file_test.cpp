#include "simhost/pictures/picture_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/pictures/png_maker.h"
#include "tests/platform/temp_folder.h"

namespace fx::pictures {
namespace {

using Rgba = std::array<std::uint16_t, 4>;

Rgba at(const Picture& picture, int x, int y) {
    const std::uint16_t* p = picture.pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

struct ColourTypeCase {
    const char* name;
    test::PngLayout layout;
    std::vector<Rgba> expected;  // row by row
};

std::vector<ColourTypeCase> colour_type_cases() {
    std::vector<ColourTypeCase> cases;
    {
        test::PngLayout s{2, 1, 8, PNG_COLOR_TYPE_GRAY, false, {}, {}, {0, 200}};
        cases.push_back({"grey 8", s, {{0, 0, 0, 65535}, {200 * 257, 200 * 257, 200 * 257, 65535}}});
    }
    {
        test::PngLayout s{2, 1, 1, PNG_COLOR_TYPE_GRAY, false, {}, {}, {0x40}};  // bits 0 1
        cases.push_back({"grey 1", s, {{0, 0, 0, 65535}, {65535, 65535, 65535, 65535}}});
    }
    {
        test::PngLayout s{2, 1, 4, PNG_COLOR_TYPE_GRAY, false, {}, {}, {0x3F}};  // 3, 15
        cases.push_back({"grey 4", s, {{3 * 4369, 3 * 4369, 3 * 4369, 65535}, {65535, 65535, 65535, 65535}}});
    }
    {
        test::PngLayout s{2, 1, 16, PNG_COLOR_TYPE_GRAY, false, {}, {}, {0x12, 0x34, 0xFF, 0xFE}};
        cases.push_back({"grey 16", s, {{0x1234, 0x1234, 0x1234, 65535}, {0xFFFE, 0xFFFE, 0xFFFE, 65535}}});
    }
    {
        test::PngLayout s{1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {}, {}, {100, 50}};
        cases.push_back({"grey alpha 8", s, {{100 * 257, 100 * 257, 100 * 257, 50 * 257}}});
    }
    {
        test::PngLayout s{2, 1, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, {1, 2, 3, 250, 251, 252}};
        cases.push_back({"rgb 8", s, {{257, 514, 771, 65535}, {250 * 257, 251 * 257, 252 * 257, 65535}}});
    }
    {
        test::PngLayout s{1,     1,  16, PNG_COLOR_TYPE_RGB_ALPHA,
                          false, {}, {}, {0x01, 0x02, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x07}};
        cases.push_back({"rgba 16", s, {{0x0102, 0x8000, 0xFFFF, 0x0007}}});
    }
    {
        test::PngLayout s{2, 1, 8, PNG_COLOR_TYPE_PALETTE, false, {{10, 20, 30}, {40, 50, 60}}, {128}, {1, 0}};
        cases.push_back({"palette with transparency",
                         s,
                         {{40 * 257, 50 * 257, 60 * 257, 65535}, {10 * 257, 20 * 257, 30 * 257, 128 * 257}}});
    }
    {
        test::PngLayout s{3, 3, 8, PNG_COLOR_TYPE_GRAY, true, {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
        std::vector<Rgba> expected;
        for (int v = 0; v < 9; ++v)
            expected.push_back({std::uint16_t(v * 257), std::uint16_t(v * 257), std::uint16_t(v * 257), 65535});
        cases.push_back({"interlaced grey", s, expected});
    }
    return cases;
}

TEST(PictureFile, ReadsEveryPngColourTypeAsSixteenBitRgba) {
    for (const ColourTypeCase& c : colour_type_cases()) {
        const std::string bytes = test::make_png(c.layout);
        ASSERT_FALSE(bytes.empty()) << c.name;
        const Picture picture = decode_picture(bytes, c.name);
        ASSERT_EQ(picture.width, c.layout.width) << c.name;
        ASSERT_EQ(picture.height, c.layout.height) << c.name;
        for (int i = 0; i < c.layout.width * c.layout.height; ++i)
            EXPECT_EQ(at(picture, i % c.layout.width, i / c.layout.width), c.expected[i]) << c.name << ", pixel " << i;
    }
}

TEST(PictureFile, PngRoundTripsAtSixteenBitsAndRoundsToEightBits) {
    Picture picture = blank_picture(3, 2, "test");
    for (std::size_t i = 0; i < picture.rgba.size(); ++i) picture.rgba[i] = static_cast<std::uint16_t>(i * 5000 + 7);
    const Picture sixteen = decode_png(encode_png(picture, 16, "test"), "test");
    EXPECT_EQ(sixteen.rgba, picture.rgba);

    const Picture eight = decode_png(encode_png(picture, 8, "test"), "test");
    for (std::size_t i = 0; i < picture.rgba.size(); ++i) {
        const unsigned nearest = (picture.rgba[i] + 128u) / 257u;
        EXPECT_EQ(eight.rgba[i], nearest * 257) << "channel " << i << " from " << picture.rgba[i];
    }
}

TEST(PictureFile, ReadsJpegInGreyAndColour) {
    const std::vector<std::uint8_t> grey(16 * 16, 90);
    const Picture g = decode_picture(test::make_jpeg(16, 16, 1, grey), "grey.jpg");
    ASSERT_EQ(g.width, 16);
    EXPECT_NEAR(at(g, 5, 5)[0] / 257.0, 90, 1.5);
    EXPECT_EQ(at(g, 5, 5)[0], at(g, 5, 5)[2]);
    EXPECT_EQ(at(g, 5, 5)[3], 65535);

    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 16 * 16; ++i) rgb.insert(rgb.end(), {200, 40, 90});
    const Picture c = decode_picture(test::make_jpeg(16, 16, 3, rgb), "colour.jpg");
    EXPECT_NEAR(at(c, 8, 8)[0] / 257.0, 200, 3);
    EXPECT_NEAR(at(c, 8, 8)[1] / 257.0, 40, 3);
    EXPECT_NEAR(at(c, 8, 8)[2] / 257.0, 90, 3);
}

struct BrokenCase {
    const char* name;
    std::string bytes;
    const char* message_part;
};

TEST(PictureFile, BrokenAndHostileFilesGiveOneLineErrors) {
    test::PngLayout layout{4, 4, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, std::vector<std::uint8_t>(48, 77)};
    const std::string png = test::make_png(layout);
    std::string bad_crc = png;
    bad_crc[30] ^= 0x55;  // inside IHDR's data
    const std::string jpeg = test::make_jpeg(16, 16, 1, std::vector<std::uint8_t>(256, 10));
    const std::vector<BrokenCase> cases = {
        {"empty", "", "not a PNG or JPEG file"},
        {"text", "hello, world", "not a PNG or JPEG file"},
        {"png cut in the header", png.substr(0, 20), "broken PNG file"},
        {"png cut in the data", png.substr(0, png.size() - 20), "broken PNG file"},
        {"png with a bad checksum", bad_crc, "broken PNG file"},
        {"png header of 100000 x 100000", test::png_header_only(100000, 100000), "larger than"},
        {"png header of 0 x 5", test::png_header_only(0, 5), "broken PNG file"},
        {"jpeg cut short", jpeg.substr(0, jpeg.size() / 2), "broken JPEG file"},
        {"jpeg marker alone", std::string("\xFF\xD8\xFF", 3), "broken JPEG file"},
    };
    for (const BrokenCase& c : cases) {
        try {
            decode_picture(c.bytes, "in.pic");
            ADD_FAILURE() << c.name << ": decoded";
        } catch (const PictureError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.message_part), std::string::npos) << c.name << ": " << message;
            EXPECT_EQ(message.rfind("in.pic: ", 0), 0u) << c.name << ": " << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << c.name << ": " << message;
        }
    }
}

TEST(PictureFile, FilesThatAreNotPicturesAreNamedInTheError) {
    test::TempFolder temp;
    const std::string empty = temp.write("empty.png", "");
    struct Case {
        std::string path;
        const char* message_part;
    };
    for (const Case& c : {Case{temp / "missing.png", "no such file"}, Case{temp.path(), "is a folder"},
                          Case{empty, "empty or unreadable"}, Case{"/dev/null", "not a regular file"}}) {
        try {
            read_picture(c.path);
            ADD_FAILURE() << c.path << ": read";
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message_part), std::string::npos) << error.what();
        }
    }
}

TEST(PictureFile, WritesAndReadsBackAFile) {
    test::TempFolder temp;
    Picture picture = blank_picture(5, 4, "test");
    for (std::size_t i = 0; i < picture.rgba.size(); ++i) picture.rgba[i] = static_cast<std::uint16_t>(i * 1111);
    write_png(picture, 16, temp / "out.png");
    EXPECT_EQ(read_picture(temp / "out.png").rgba, picture.rgba);
    EXPECT_THROW(write_png(picture, 16, temp / "no-folder/out.png"), PictureError);
    EXPECT_THROW(write_png(picture, 12, temp / "out12.png"), PictureError);
}

TEST(PictureFile, BlankPictureRefusesSizesBeforeAllocating) {
    EXPECT_THROW(blank_picture(0, 10, "t"), PictureError);
    EXPECT_THROW(blank_picture(-3, 10, "t"), PictureError);
    EXPECT_THROW(blank_picture(1 << 30, 1 << 30, "t"), PictureError);
    EXPECT_EQ(blank_picture(3, 2, "t").rgba.size(), 24u);
}

// Damaged copies of good files: every one decodes to a picture of the stated size or is
// refused with a PictureError; nothing else (no crash, no other exception, no overrun
// under the sanitizers).
TEST(PictureFile, DamagedFilesAreDecodedOrRefusedNeverTrusted) {
    test::PngLayout layout{9, 7, 8, PNG_COLOR_TYPE_RGB_ALPHA, true, {}, {}, {}};
    for (int i = 0; i < 9 * 7 * 4; ++i) layout.rows.push_back(static_cast<std::uint8_t>(i * 13));
    std::vector<std::uint8_t> grey(16 * 16);
    for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<std::uint8_t>(i);
    const std::string seeds[] = {test::make_png(layout), test::make_jpeg(16, 16, 1, grey)};
    std::uint32_t random = 12345;
    auto next = [&random] {
        random = random * 1664525u + 1013904223u;
        return random >> 8;
    };
    int refused = 0;
    int decoded = 0;
    for (const std::string& seed : seeds) {
        for (int variant = 0; variant < 1500; ++variant) {
            std::string bytes = seed;
            const int changes = 1 + static_cast<int>(next() % 4);
            for (int c = 0; c < changes; ++c) bytes[next() % bytes.size()] = static_cast<char>(next() & 0xFF);
            if (variant % 5 == 0) bytes.resize(next() % bytes.size());
            try {
                const Picture picture = decode_picture(bytes, "damaged");
                ASSERT_EQ(picture.rgba.size(), static_cast<std::size_t>(picture.width) * picture.height * 4);
                ++decoded;
            } catch (const PictureError&) {
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_EQ(refused + decoded, 3000);
}

// The fuzzer's seeds are good pictures of each kind: each decodes at its own size.
TEST(PictureFile, FuzzSeedsDecode) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FX_PICTURE_CORPUS)) {
        const Picture picture = read_picture(entry.path().string());
        EXPECT_GT(picture.width, 0) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 4);
}

}  // namespace
}  // namespace fx::pictures
