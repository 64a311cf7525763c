#include "render/pixel_row_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "pixel_test_support.h"

namespace fx {
namespace {

using test::get_letter;
using test::put_channel;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using F = HostPixelFormat;

// Host channel values by letter; staged result in R, G, B, A.
struct UploadCase {
    const char* name;
    HostPixelFormat format;
    double r, g, b, a;
    double staged[4];
};

const UploadCase kUploadCases[] = {
    {"argb_reorders_bytes", F::argb, 10, 20, 30, 255, {10, 20, 30, 255}},
    {"argb_extremes", F::argb, 0, 255, 1, 0, {0, 255, 1, 0}},
    {"bgra_reorders_bytes", F::bgra, 10, 20, 30, 255, {10, 20, 30, 255}},
    {"ae16_white_is_one", F::ae16, 32768, 16384, 0, 32768, {1.0, 0.5, 0.0, 1.0}},
    {"ae16_smallest_step", F::ae16, 1, 3, 32767, 0, {1.0 / 32768, 3.0 / 32768, 32767.0 / 32768, 0}},
    {"ae16_above_white_kept", F::ae16, 65535, 32769, 0, 32768, {65535.0 / 32768, 32769.0 / 32768, 0, 1}},
    {"ae32_copies_out_of_range", F::ae32, -0.2, 1.7, 0.5, 1.0, {-0.2f, 1.7f, 0.5, 1.0}},
    {"BGra_copies_out_of_range", F::BGra, -0.2, 1.7, 0.5, 0.25, {-0.2f, 1.7f, 0.5, 0.25}},
    {"BGaL_copies_out_of_range", F::BGaL, 3.0, -1.0, 0.125, 0.75, {3.0, -1.0, 0.125, 0.75}},
};

TEST(PixelUpload, ConvertsEachFormatToStagedRgba) {
    for (const UploadCase& c : kUploadCases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> host(test::pixel_bytes(c.format));
        test::put_rgba(c.format, host.data(), {c.r, c.g, c.b, c.a});
        const bool bytes = staged_bits_per_channel(c.format) == 8;
        unsigned char staged[16];
        std::memset(staged, 0xAB, sizeof staged);
        ASSERT_TRUE(upload_pixel_row(c.format, host.data(), staged, 1));
        for (int ch = 0; ch < 4; ++ch) {
            double got;
            if (bytes) {
                got = staged[ch];
            } else {
                float f;
                std::memcpy(&f, staged + 4 * ch, sizeof f);
                got = f;
            }
            EXPECT_EQ(got, c.staged[ch]) << "channel "
                                         << "RGBA"[ch];
        }
        if (bytes) {
            EXPECT_EQ(staged[4], 0xAB) << "an 8-bit pixel spans 4 staged bytes";
        }
    }
}

TEST(PixelUpload, FloatFormatsKeepNaN) {
    for (HostPixelFormat format : {F::ae32, F::BGra, F::BGaL}) {
        SCOPED_TRACE(test::format_name(format));
        unsigned char host[16];
        test::put_rgba(format, host, {kNaN, 0.0, 0.0, 1.0});
        float staged[4] = {};
        ASSERT_TRUE(upload_pixel_row(format, host, staged, 1));
        EXPECT_TRUE(std::isnan(staged[0]));
        EXPECT_EQ(staged[3], 1.0f);
    }
}

// Staged R, G, B, A floats; expected host channels by letter.
struct DownloadCase {
    const char* name;
    HostPixelFormat format;
    float staged[4];
    double r, g, b, a;
};

const float kBelowHalf = std::nextafter(0.5f, 0.0f);

const DownloadCase kDownloadCases[] = {
    {"argb_order", F::argb, {10 / 255.f, 20 / 255.f, 30 / 255.f, 1}, 10, 20, 30, 255},
    {"argb_clamps_1.7_and_-0.2", F::argb, {1.7f, -0.2f, 0, 1}, 255, 0, 0, 255},
    {"argb_half_rounds_up", F::argb, {0.5f, kBelowHalf, 0.25f, 0.75f}, 128, 127, 64, 191},
    {"argb_nan_and_infinities", F::argb, {float(kNaN), float(kInf), float(-kInf), 0}, 0, 255, 0, 0},
    {"bgra_order", F::bgra, {10 / 255.f, 20 / 255.f, 30 / 255.f, 1}, 10, 20, 30, 255},
    {"bgra_clamps", F::bgra, {1.7f, -0.2f, 0.5f, 2}, 255, 0, 128, 255},
    {"ae16_half_is_16384", F::ae16, {0.5f, 1.0f, 0, 1.7f}, 16384, 32768, 0, 32768},
    {"ae16_clamps_negative_and_nan", F::ae16, {-0.2f, float(kNaN), float(kInf), 0}, 0, 0, 32768, 0},
    // v × 32768 lands exactly on k + 0.5 here: half way rounds up, not to even.
    {"ae16_half_steps_round_up", F::ae16, {1 / 65536.f, 5 / 65536.f, 3 / 65536.f, 65535 / 65536.f}, 1, 3, 2, 32768},
    {"ae16_just_below_half_step", F::ae16, {std::nextafter(1 / 65536.f, 0.f), 0, 0, 0}, 0, 0, 0, 0},
    {"ae32_keeps_out_of_range", F::ae32, {1.7f, -0.2f, 0.5f, 3}, 1.7f, -0.2f, 0.5, 3},
    {"BGra_keeps_out_of_range", F::BGra, {1.7f, -0.2f, 0.5f, 3}, 1.7f, -0.2f, 0.5, 3},
    {"BGaL_keeps_out_of_range", F::BGaL, {-5, 0.25f, 100, 0}, -5, 0.25, 100, 0},
};

TEST(PixelDownload, ConvertsStagedRgbaToEachFormat) {
    for (const DownloadCase& c : kDownloadCases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> host(test::pixel_bytes(c.format) + 1, 0xAB);
        ASSERT_TRUE(download_pixel_row(c.format, c.staged, host.data(), 1));
        EXPECT_EQ(get_letter(c.format, host.data(), 'R'), c.r);
        EXPECT_EQ(get_letter(c.format, host.data(), 'G'), c.g);
        EXPECT_EQ(get_letter(c.format, host.data(), 'B'), c.b);
        EXPECT_EQ(get_letter(c.format, host.data(), 'A'), c.a);
        EXPECT_EQ(host.back(), 0xAB) << "wrote past the pixel";
    }
}

TEST(PixelDownload, FloatFormatsKeepNaN) {
    for (HostPixelFormat format : {F::ae32, F::BGra, F::BGaL}) {
        SCOPED_TRACE(test::format_name(format));
        const float staged[4] = {0, 0, float(kNaN), 1};
        unsigned char host[16] = {};
        ASSERT_TRUE(download_pixel_row(format, staged, host, 1));
        EXPECT_TRUE(std::isnan(get_letter(format, host, 'B')));
        EXPECT_EQ(get_letter(format, host, 'A'), 1.0);
    }
}

// Every host value survives upload followed by download.
TEST(PixelRoundTrip, SixteenBitValuesComeBackExactly) {
    std::vector<std::uint16_t> host(4 * 32769);
    for (int v = 0; v <= 32768; ++v) {
        for (int c = 0; c < 4; ++c) host[4 * v + c] = static_cast<std::uint16_t>((v + c * 97) % 32769);
    }
    std::vector<float> staged(host.size());
    std::vector<std::uint16_t> back(host.size());
    ASSERT_TRUE(upload_pixel_row(F::ae16, host.data(), staged.data(), 32769));
    ASSERT_TRUE(download_pixel_row(F::ae16, staged.data(), back.data(), 32769));
    EXPECT_EQ(back, host);
}

TEST(PixelRoundTrip, EightBitValuesFromFloatComeBackExactly) {
    for (HostPixelFormat format : {F::argb, F::bgra}) {
        SCOPED_TRACE(test::format_name(format));
        std::vector<float> staged(4 * 256);
        for (int v = 0; v < 256; ++v) {
            for (int c = 0; c < 4; ++c) staged[4 * v + c] = static_cast<float>((v + 50 * c) % 256) / 255.0f;
        }
        std::vector<unsigned char> host(staged.size());
        ASSERT_TRUE(download_pixel_row(format, staged.data(), host.data(), 256));
        for (int v = 0; v < 256; ++v) {
            ASSERT_EQ(get_letter(format, &host[4 * v], 'R'), v) << "pixel " << v;
            ASSERT_EQ(get_letter(format, &host[4 * v], 'A'), (v + 150) % 256) << "pixel " << v;
        }
    }
}

TEST(PixelRows, ConvertWholeRowsPixelByPixel) {
    for (HostPixelFormat format : test::kAllFormats) {
        SCOPED_TRACE(test::format_name(format));
        constexpr int kWidth = 7;
        const int bytes = test::pixel_bytes(format);
        std::vector<unsigned char> host(kWidth * bytes);
        for (int x = 0; x < kWidth; ++x) test::put_rgba(format, &host[x * bytes], {double(x), 1, 2, 3});
        std::vector<float> staged_float(4 * kWidth, -1);
        std::vector<unsigned char> staged_bytes(4 * kWidth, 0xAB);
        const bool bytes_staged = staged_bits_per_channel(format) == 8;
        void* staged = bytes_staged ? static_cast<void*>(staged_bytes.data()) : staged_float.data();
        ASSERT_TRUE(upload_pixel_row(format, host.data(), staged, kWidth));
        for (int x = 0; x < kWidth; ++x) {
            const double r = bytes_staged ? staged_bytes[4 * x] : staged_float[4 * x];
            const double expected = format == F::ae16 ? x / 32768.0 : x;
            EXPECT_EQ(r, expected) << "pixel " << x;
        }
    }
}

TEST(PixelRows, UnknownFormatLeavesBuffersAlone) {
    const auto unknown = host_pixel_format(0x66646162);  // a format the engine does not convert
    EXPECT_FALSE(is_converted_pixel_format(unknown));
    unsigned char host[32];
    unsigned char staged[32];
    std::memset(host, 0x11, sizeof host);
    std::memset(staged, 0x22, sizeof staged);
    EXPECT_FALSE(upload_pixel_row(unknown, host, staged, 2));
    EXPECT_FALSE(download_pixel_row(unknown, host, staged, 2));
    for (unsigned char b : staged) ASSERT_EQ(b, 0x22);
    for (unsigned char b : host) ASSERT_EQ(b, 0x11);
}

TEST(PixelRows, MisalignedRowsConvert) {
    alignas(16) unsigned char host[64] = {};
    alignas(16) unsigned char staged[64] = {};
    test::put_rgba(F::ae32, host + 1, {0.25, 0.5, 0.75, 1});
    ASSERT_TRUE(upload_pixel_row(F::ae32, host + 1, staged + 3, 1));
    float r;
    std::memcpy(&r, staged + 3, sizeof r);
    EXPECT_EQ(r, 0.25f);
}

}  // namespace
}  // namespace fx
