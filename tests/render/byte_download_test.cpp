// The 8-bit download from staged bytes (the renderer's byte read-back): only the byte
// order changes, in the four-pixel blocks and the one-pixel tail alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/pixel_converters.h"

namespace fx {
namespace {

TEST(ByteDownload, ReordersStagedBytesIntoEachEightBitFormat) {
    struct Case {
        HostPixelFormat format;
        std::uint8_t first_pixel[4];  // host bytes of staged R 1, G 2, B 3, A 4
    };
    const Case cases[] = {{HostPixelFormat::argb, {4, 1, 2, 3}}, {HostPixelFormat::bgra, {3, 2, 1, 4}}};
    for (const Case& c : cases) {
        // Seven pixels: one four-pixel block and a three-pixel tail.
        std::vector<std::uint8_t> staged;
        for (int p = 0; p < 7; ++p)
            staged.insert(staged.end(), {std::uint8_t(1 + 10 * p), std::uint8_t(2 + 10 * p), std::uint8_t(3 + 10 * p),
                                         std::uint8_t(4 + 10 * p)});
        std::vector<std::uint8_t> host(staged.size(), 0);
        InputImage image;
        image.width = 7;
        image.height = 1;
        image.row_bytes = 28;
        image.bits_per_channel = 8;
        image.pixels = staged.data();
        PF_EffectWorld source = staged_world(image);
        PF_EffectWorld destination{};
        destination.data = reinterpret_cast<PF_PixelPtr>(host.data());
        destination.width = 7;
        destination.height = 1;
        destination.rowbytes = 28;
        PixelConversion job{nullptr, &source, &destination};
        const PixelRowConverter convert = byte_download_converter(c.format);
        ASSERT_NE(convert, nullptr);
        EXPECT_EQ(convert(&job, 1, 0, 1), PF_Err_NONE);
        for (int p = 0; p < 7; ++p)
            for (int b = 0; b < 4; ++b)
                EXPECT_EQ(host[4 * p + b], c.first_pixel[b] + 10 * p) << "pixel " << p << ", byte " << b;
    }
    EXPECT_EQ(byte_download_converter(HostPixelFormat::ae16), nullptr);
    EXPECT_EQ(byte_download_converter(HostPixelFormat::BGra), nullptr);
}

}  // namespace
}  // namespace fx
