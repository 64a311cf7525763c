#pragma once

// The row loops shared by every format: four pixels at a time through the SSE2 kernels
// where the processor has them, the rest one pixel at a time.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "render/host_pixel_layout.h"
#include "render/pixel_blocks_sse2.h"

namespace fx::pixel_layout {

template <typename L>
void upload_pixels(const unsigned char* host, unsigned char* staged, int width) {
    constexpr std::size_t host_pixel = 4 * sizeof(typename L::Channel);
    constexpr std::size_t staged_pixel = 4 * sizeof(typename L::Staged);
    int x = 0;
#ifdef FX_PIXEL_BLOCKS_SSE2
    for (; x + 4 <= width; x += 4) sse2::upload_block<L>(host + x * host_pixel, staged + x * staged_pixel);
#endif
    for (; x < width; ++x) {
        upload_pixel<L>(host + x * host_pixel, staged + x * staged_pixel, std::make_index_sequence<4>{});
    }
}

template <typename L>
void download_pixels(const unsigned char* staged, unsigned char* host, int width) {
    constexpr std::size_t host_pixel = 4 * sizeof(typename L::Channel);
    constexpr std::size_t staged_pixel = 4 * sizeof(float);
    int x = 0;
#ifdef FX_PIXEL_BLOCKS_SSE2
    for (; x + 4 <= width; x += 4) sse2::download_block<L>(staged + x * staged_pixel, host + x * host_pixel);
#endif
    for (; x < width; ++x) {
        download_pixel<L>(staged + x * staged_pixel, host + x * host_pixel, std::make_index_sequence<4>{});
    }
}

// Staged 8-bit R, G, B, A bytes into an 8-bit host row: only the byte order changes.
template <typename L>
void download_byte_pixels(const unsigned char* staged, unsigned char* host, int width) {
    static_assert(std::is_same_v<typename L::Channel, std::uint8_t>);
    int x = 0;
#ifdef FX_PIXEL_BLOCKS_SSE2
    for (; x + 4 <= width; x += 4) sse2::download_byte_block<L>(staged + 4 * x, host + 4 * x);
#endif
    for (; x < width; ++x) {
        for (int c = 0; c < 4; ++c) host[4 * x + L::position[c]] = staged[4 * x + c];
    }
}

}  // namespace fx::pixel_layout
