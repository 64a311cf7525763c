#pragma once

// Writes and reads host pixels the way the host lays them out, independently of the
// engine's own layout tables, so that the tests check channel order and depth.

#include <cstdint>
#include <cstring>
#include <string>

#include "render/host_pixel_format.h"

namespace fx::test {

struct HostPixelShape {
    int channel_bytes;  // 1, 2 or 4
    bool is_float;
    const char* order;  // channel letters in memory order
};

inline HostPixelShape host_shape(HostPixelFormat format) {
    switch (format) {
        case HostPixelFormat::argb:
            return {1, false, "ARGB"};
        case HostPixelFormat::bgra:
            return {1, false, "BGRA"};
        case HostPixelFormat::ae16:
            return {2, false, "ARGB"};
        case HostPixelFormat::ae32:
            return {4, true, "ARGB"};
        case HostPixelFormat::BGra:
            return {4, true, "BGRA"};
        case HostPixelFormat::BGaL:
            return {4, true, "BGRA"};
    }
    return {4, true, "RGBA"};
}

inline int pixel_bytes(HostPixelFormat format) { return 4 * host_shape(format).channel_bytes; }

// Index of channel letter ('R', 'G', 'B', 'A') in the host's memory order.
inline int host_index(HostPixelFormat format, char letter) {
    return static_cast<int>(std::string(host_shape(format).order).find(letter));
}

inline void put_channel(HostPixelFormat format, unsigned char* pixel, int index, double value) {
    const HostPixelShape shape = host_shape(format);
    unsigned char* at = pixel + index * shape.channel_bytes;
    if (shape.is_float) {
        const float f = static_cast<float>(value);
        std::memcpy(at, &f, sizeof f);
    } else if (shape.channel_bytes == 2) {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(at, &v, sizeof v);
    } else {
        *at = static_cast<unsigned char>(value);
    }
}

inline double get_channel(HostPixelFormat format, const unsigned char* pixel, int index) {
    const HostPixelShape shape = host_shape(format);
    const unsigned char* at = pixel + index * shape.channel_bytes;
    if (shape.is_float) {
        float f;
        std::memcpy(&f, at, sizeof f);
        return f;
    }
    if (shape.channel_bytes == 2) {
        std::uint16_t v;
        std::memcpy(&v, at, sizeof v);
        return v;
    }
    return *at;
}

// Host pixel from R, G, B, A values.
inline void put_rgba(HostPixelFormat format, unsigned char* pixel, const double (&rgba)[4]) {
    const char letters[] = "RGBA";
    for (int c = 0; c < 4; ++c) put_channel(format, pixel, host_index(format, letters[c]), rgba[c]);
}

inline double get_letter(HostPixelFormat format, const unsigned char* pixel, char letter) {
    return get_channel(format, pixel, host_index(format, letter));
}

inline const char* format_name(HostPixelFormat format) {
    switch (format) {
        case HostPixelFormat::argb:
            return "argb";
        case HostPixelFormat::bgra:
            return "bgra";
        case HostPixelFormat::ae16:
            return "ae16";
        case HostPixelFormat::ae32:
            return "ae32";
        case HostPixelFormat::BGra:
            return "BGra";
        case HostPixelFormat::BGaL:
            return "BGaL";
    }
    return "unknown";
}

inline constexpr HostPixelFormat kAllFormats[] = {
    HostPixelFormat::argb, HostPixelFormat::bgra, HostPixelFormat::ae16,
    HostPixelFormat::ae32, HostPixelFormat::BGra, HostPixelFormat::BGaL,
};

}  // namespace fx::test
