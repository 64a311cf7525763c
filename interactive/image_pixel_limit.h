#pragma once
// The largest picture a decoder accepts, checked against the file's header before any
// pixel memory is allocated. A few hundred bytes of PNG or JPEG can claim a picture of
// 4 billion x 4 billion pixels (a decompression bomb); such files, like any picture
// above these limits, end in the placeholder.
//
// 16384 pixels a side is the largest texture common GPUs take, and 64 Mi pixels (for
// example 8192 x 8192) bound the decoded buffer at 256 MiB with four channels.
#include <cstdint>

namespace fx {

inline constexpr std::uint32_t kMaxImageSide = 16384;
inline constexpr std::uint64_t kMaxImagePixels = 64ull * 1024 * 1024;

inline bool image_size_allowed(std::uint64_t width, std::uint64_t height) noexcept {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

}  // namespace fx
