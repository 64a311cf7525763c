#pragma once

#include <cstddef>
#include <cstdint>

namespace fx {

// The channels of a staged picture's pixels, in memory order.
enum class ChannelLayout : std::int32_t {
    rgba = 0,
    rgb = 3,  // decoded three-channel images, 8 bits a channel
};

// One staged picture: a host layer converted to canonical R, G, B, A order, a decoded
// image parameter, or the read-back of the last pass.
struct InputImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Owned by the frame render for host layers (a locked host handle); borrowed from
    // the image holder for image inputs.
    void* pixels = nullptr;
    std::int32_t bits_per_channel = 0;  // 8 or 32
    std::int32_t row_bytes = 0;
    double origin_x = 0.0;  // the host layer's origin
    double origin_y = 0.0;
    ChannelLayout channel_layout = ChannelLayout::rgba;
};

}  // namespace fx
