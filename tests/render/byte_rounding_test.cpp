// The 8-bit download's rounding held to trunc(v × 255 + 0.5) (after clamping to [0, 1],
// NaN to 0) over every float bit pattern. Optimised builds check all 2^32 patterns on
// two threads; unoptimised and sanitizer builds, where that takes minutes, check every
// 61st pattern (a prime stride, so every exponent and low mantissa bit pattern still
// occurs) and say so.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <thread>
#include <vector>

#include "render/host_pixel_layout.h"
#include "render/pixel_blocks_sse2.h"
#include "render/pixel_rows.h"

#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
#define FX_ROUNDING_STRIDED 1
#endif
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FX_ROUNDING_STRIDED 1
#endif
#endif

namespace fx {
namespace {

#ifdef FX_ROUNDING_STRIDED
constexpr std::uint64_t kStride = 61;
#else
constexpr std::uint64_t kStride = 1;
#endif

int reference_byte(float v) {
    const float c = std::min(std::max(0.0f, v), 1.0f);
    return static_cast<int>(static_cast<double>(c) * 255.0 + 0.5);
}

struct Mismatch {
    std::uint64_t count = 0;
    std::uint32_t first_bits = 0;
    int got = 0;
    int expected = 0;
};

#ifdef FX_PIXEL_BLOCKS_SSE2
// Bit patterns begin, begin + stride, ... below end, four at a time through the kernel.
Mismatch check_patterns(std::uint64_t begin, std::uint64_t end) {
    constexpr int kChunk = 4096;
    alignas(16) float values[kChunk];
    alignas(16) std::int32_t got[kChunk];
    Mismatch mismatch;
    for (std::uint64_t start = begin; start < end; start += kChunk * kStride) {
        const int count = static_cast<int>(std::min<std::uint64_t>(kChunk, (end - start + kStride - 1) / kStride));
        for (int i = 0; i < count; ++i) {
            const auto bits = static_cast<std::uint32_t>(start + i * kStride);
            std::memcpy(&values[i], &bits, 4);
        }
        for (int i = 0; i < count; i += 4) {
            const __m128i bytes = pixel_layout::sse2::bytes_of(pixel_layout::sse2::clamp_unit(_mm_load_ps(values + i)));
            _mm_store_si128(reinterpret_cast<__m128i*>(got + i), bytes);
        }
        for (int i = 0; i < count; ++i) {
            const int expected = reference_byte(values[i]);
            if (got[i] == expected) continue;
            if (mismatch.count++ == 0) {
                std::memcpy(&mismatch.first_bits, &values[i], 4);
                mismatch.got = got[i];
                mismatch.expected = expected;
            }
        }
    }
    return mismatch;
}
#endif

TEST(ByteRounding, KernelEqualsTheDoubleFormulaForEveryFloat) {
#ifndef FX_PIXEL_BLOCKS_SSE2
    GTEST_SKIP() << "no SSE2 kernel on this processor";
#else
#ifdef FX_ROUNDING_STRIDED
    std::cout << "[ note     ] unoptimised or sanitizer build: one float pattern in " << kStride << " only\n";
#endif
    constexpr std::uint64_t kAll = std::uint64_t{1} << 32;
    // The split point is a multiple of the stride so that both halves keep its grid.
    const std::uint64_t half = (kAll / 2) / kStride * kStride;
    Mismatch second;
    std::thread helper([&second, half] { second = check_patterns(half, kAll); });
    const Mismatch first = check_patterns(0, half);
    helper.join();
    EXPECT_EQ(first.count + second.count, 0u);
    for (const Mismatch& m : {first, second}) {
        if (m.count == 0) continue;
        float v;
        std::memcpy(&v, &m.first_bits, 4);
        ADD_FAILURE() << "float 0x" << std::hex << m.first_bits << std::dec << " (" << v << "): kernel " << m.got
                      << ", formula " << m.expected;
    }
#endif
}

// Values where a rounding in float arithmetic goes wrong: just below and at each half
// step, and the ends. The row converter (kernel and one-pixel tail) must agree.
TEST(ByteRounding, RowConverterRoundsHalfStepsUp) {
    std::vector<float> values;
    for (int n = 0; n < 255; ++n) {
        const float half = static_cast<float>((n + 0.5) / 255.0);
        values.insert(values.end(), {std::nextafter(half, 0.0f), half, std::nextafter(half, 1.0f)});
    }
    values.insert(values.end(), {0.0f, 1.0f, -0.0f, 2.0f, -1.0f, 1e-40f});
    while (values.size() % 4 != 1) values.push_back(0.5f);  // a tail pixel channel too
    std::vector<unsigned char> host(values.size());
    const std::size_t pixels = values.size() / 4;
    std::vector<float> staged(values.begin(), values.begin() + pixels * 4);
    pixel_layout::download_pixels<pixel_layout::Bgra8>(reinterpret_cast<const unsigned char*>(staged.data()),
                                                       host.data(), static_cast<int>(pixels));
    for (std::size_t p = 0; p < pixels; ++p) {
        for (int c = 0; c < 4; ++c) {
            const int position = pixel_layout::Bgra8::position[c];
            EXPECT_EQ(host[4 * p + position], reference_byte(staged[4 * p + c])) << "value " << staged[4 * p + c];
        }
    }
}

}  // namespace
}  // namespace fx
