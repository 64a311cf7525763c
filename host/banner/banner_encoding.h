#pragma once
// The banner's packed form: run-length pairs, each a byte value followed by how often it
// repeats (1 to 255), over the picture's rows of red, green, blue bytes, top row first.
// The build packs the logo's PNG into this form (banner_packer); the library unpacks it
// to draw. No host declarations here, so the build-time packer can use it too.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace fx {

inline constexpr int banner_pixels_wide = 128;
inline constexpr int banner_pixels_high = 128;
inline constexpr std::size_t banner_rgb_size = std::size_t{banner_pixels_wide} * banner_pixels_high * 3;
// The most bytes of pairs the library carries.
inline constexpr std::size_t banner_pairs_limit = 30000;

std::vector<std::uint8_t> pack_run_length_pairs(std::span<const std::uint8_t> bytes);

// The bytes the pairs stand for; empty when the pairs are damaged: an odd length, a
// repeat count of 0, or more than `expected_size` bytes, or fewer.
std::vector<std::uint8_t> unpack_run_length_pairs(std::span<const std::uint8_t> pairs, std::size_t expected_size);

}  // namespace fx
