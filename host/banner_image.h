#pragma once
// The banner a "custom" parameter shows: a 128 x 128 logo built into the library as
// run-length pairs (host/banner/). Parameter registration needs its size and whether it
// is there; drawing unpacks it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "host/banner/banner_encoding.h"

namespace fx {

inline constexpr short banner_width = banner_pixels_wide;
inline constexpr short banner_height = banner_pixels_high;

// The packed logo (generated at build time from host/banner/banner.png).
std::span<const std::uint8_t> banner_pairs() noexcept;

// Bytes of packed banner the library carries.
inline std::size_t banner_stored_size() noexcept { return banner_pairs().size(); }

// A custom control can show the banner: its stored size lies in 1 .. banner_pairs_limit.
inline bool banner_present(std::size_t stored_size) noexcept {
    return stored_size >= 1 && stored_size <= banner_pairs_limit;
}

// The logo's red, green, blue bytes, rows from the top; empty when the pairs are damaged.
inline std::vector<std::uint8_t> unpack_banner() { return unpack_run_length_pairs(banner_pairs(), banner_rgb_size); }

}  // namespace fx
