#pragma once
// The banner a "custom" parameter shows: a 128 x 128 logo whose encoded data is built
// into the library. Parameter registration needs only its size and whether it is there.

#include <cstddef>

namespace fx {

inline constexpr short banner_width = 128;
inline constexpr short banner_height = 128;
// The library carries at most this many bytes of encoded banner.
inline constexpr std::size_t banner_size_limit = 30000;

// Bytes of encoded banner data the library carries; 0 while it carries none.
std::size_t banner_stored_size() noexcept;

// A custom control can show the banner: its stored size lies in 1 .. banner_size_limit.
inline bool banner_present(std::size_t stored_size) noexcept {
    return stored_size >= 1 && stored_size <= banner_size_limit;
}

}  // namespace fx
