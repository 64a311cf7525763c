// Long rows through the converters against the conversion rules written out plainly,
// so that the four-pixel kernels and the one-pixel path are held to the same results:
// every row here has a width that is not a multiple of four.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "pixel_test_support.h"
#include "render/pixel_row_conversion.h"

namespace fx {
namespace {

using F = HostPixelFormat;

// The stated rule: clamp to [0, 1], then trunc(v × white + 0.5); NaN becomes 0.
double quantised(float v, double white) {
    if (std::isnan(v)) return 0;
    const double c = std::fmin(std::fmax(static_cast<double>(v), 0.0), 1.0);
    return std::trunc(c * white + 0.5);
}

// Values around every rounding threshold of `white`, the special values and a spread
// of ordinary ones; padded so that the row is four channels a pixel with a tail.
std::vector<float> sweep(double white) {
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 1.0f,
                                 0.5f,
                                 -0.2f,
                                 1.7f,
                                 inf,
                                 -inf,
                                 std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::denorm_min(),
                                 -std::numeric_limits<float>::denorm_min(),
                                 std::nextafter(1.0f, 2.0f),
                                 std::nextafter(1.0f, 0.0f)};
    for (int k = 0; k < static_cast<int>(white); ++k) {
        float t = static_cast<float>((k + 0.5) / white);
        for (int step = 0; step < 3; ++step) t = std::nextafter(t, 0.0f);
        for (int step = 0; step < 6; ++step, t = std::nextafter(t, 1.0f)) values.push_back(t);
    }
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> spread(-0.5f, 1.5f);
    for (int i = 0; i < 20000; ++i) values.push_back(spread(random));
    while (values.size() % 4 != 0 || (values.size() / 4) % 4 == 0) values.push_back(0.25f);
    return values;
}

TEST(PixelSweep, IntegerDownloadsFollowTheRoundingRule) {
    for (HostPixelFormat format : {F::argb, F::bgra, F::ae16}) {
        SCOPED_TRACE(test::format_name(format));
        const double white = format == F::ae16 ? 32768 : 255;
        const std::vector<float> staged = sweep(white);
        const int width = static_cast<int>(staged.size() / 4);
        std::vector<unsigned char> host(static_cast<std::size_t>(width) * test::pixel_bytes(format));
        ASSERT_TRUE(download_pixel_row(format, staged.data(), host.data(), width));
        int mismatches = 0;
        for (int x = 0; x < width && mismatches < 10; ++x) {
            for (int c = 0; c < 4; ++c) {
                const float v = staged[4 * x + c];
                const double got = test::get_letter(format, &host[x * test::pixel_bytes(format)], "RGBA"[c]);
                if (got != quantised(v, white)) {
                    ++mismatches;
                    ADD_FAILURE() << "pixel " << x << " channel "
                                  << "RGBA"[c] << ": value " << std::hexfloat << v << std::defaultfloat << " gave "
                                  << got << ", expected " << quantised(v, white);
                }
            }
        }
    }
}

TEST(PixelSweep, FloatFormatsPassEveryBitPattern) {
    std::vector<float> staged = sweep(255);
    const int width = static_cast<int>(staged.size() / 4);
    for (HostPixelFormat format : {F::ae32, F::BGra, F::BGaL}) {
        SCOPED_TRACE(test::format_name(format));
        std::vector<unsigned char> host(static_cast<std::size_t>(width) * 16);
        ASSERT_TRUE(download_pixel_row(format, staged.data(), host.data(), width));
        std::vector<float> back(staged.size());
        ASSERT_TRUE(upload_pixel_row(format, host.data(), back.data(), width));
        EXPECT_EQ(std::memcmp(back.data(), staged.data(), staged.size() * sizeof(float)), 0);
        for (int x = 0; x < width; x += 97) {
            const double b = test::get_letter(format, &host[16 * x], 'B');
            if (std::isnan(staged[4 * x + 2])) continue;
            ASSERT_EQ(b, staged[4 * x + 2]) << "pixel " << x;
        }
    }
}

TEST(PixelSweep, IntegerUploadsCoverEveryHostValue) {
    for (HostPixelFormat format : {F::argb, F::bgra, F::ae16}) {
        SCOPED_TRACE(test::format_name(format));
        const bool bytes = format != F::ae16;
        const int values = bytes ? 256 : 65536;
        const int width = values + 3;
        std::vector<unsigned char> host(static_cast<std::size_t>(width) * test::pixel_bytes(format));
        // Each channel runs through every value at its own offset.
        auto host_value = [&](int x, int c) { return (x * (c + 1) + 61 * c) % values; };
        for (int x = 0; x < width; ++x) {
            test::put_rgba(format, &host[x * test::pixel_bytes(format)],
                           {double(host_value(x, 0)), double(host_value(x, 1)), double(host_value(x, 2)),
                            double(host_value(x, 3))});
        }
        std::vector<unsigned char> staged(static_cast<std::size_t>(width) * (bytes ? 4 : 16));
        ASSERT_TRUE(upload_pixel_row(format, host.data(), staged.data(), width));
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 4; ++c) {
                double got;
                if (bytes) {
                    got = staged[4 * x + c];
                } else {
                    float f;
                    std::memcpy(&f, &staged[16 * x + 4 * c], sizeof f);
                    got = f;
                }
                const double expected = bytes ? host_value(x, c) : host_value(x, c) / 32768.0;
                ASSERT_EQ(got, expected) << "pixel " << x << " channel "
                                         << "RGBA"[c];
            }
        }
    }
}

}  // namespace
}  // namespace fx
