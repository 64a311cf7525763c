#pragma once

#include <cstdint>

namespace fx {

// The host pixel formats the engine converts, by their four-character codes stored as
// little-endian 32-bit integers (the host reports them as such). The enumeration keeps
// any other value the host may report; those formats are staged as float but not
// converted.
enum class HostPixelFormat : std::uint32_t {
    argb = 0x62677261,  // 8-bit A, R, G, B
    bgra = 0x61726762,  // 8-bit B, G, R, A
    ae16 = 0x36316561,  // 16-bit A, R, G, B, white is 32768
    ae32 = 0x32336561,  // float A, R, G, B
    BGra = 0x61724742,  // float B, G, R, A
    BGaL = 0x4c614742,  // float B, G, R, A, linear light
};

constexpr HostPixelFormat host_pixel_format(std::int32_t reported) {
    return static_cast<HostPixelFormat>(static_cast<std::uint32_t>(reported));
}

constexpr bool is_converted_pixel_format(HostPixelFormat format) {
    switch (format) {
        case HostPixelFormat::argb:
        case HostPixelFormat::bgra:
        case HostPixelFormat::ae16:
        case HostPixelFormat::ae32:
        case HostPixelFormat::BGra:
        case HostPixelFormat::BGaL:
            return true;
    }
    return false;
}

// 8-bit host layers stay 8-bit when staged; every other format, known or not, is
// staged as 32-bit float.
constexpr std::int32_t staged_bits_per_channel(HostPixelFormat format) {
    return format == HostPixelFormat::argb || format == HostPixelFormat::bgra ? 8 : 32;
}

}  // namespace fx
