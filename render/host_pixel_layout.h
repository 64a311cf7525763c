#pragma once

// The memory layout of each converted host pixel format and the one template that moves
// pixels between it and the staged R, G, B, A order. Shared by the row functions and the
// host-facing row converters so that both pick the layout through the same switch.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "render/host_pixel_format.h"

namespace fx::pixel_layout {

// `position[c]` is the host channel index holding staged channel c (R, G, B, A).
template <typename HostChannel, int R, int G, int B, int A>
struct Layout {
    using Channel = HostChannel;
    // 8-bit layers stay bytes when staged; deeper formats are staged as float.
    using Staged = std::conditional_t<std::is_same_v<HostChannel, std::uint8_t>, std::uint8_t, float>;
    static constexpr int position[4] = {R, G, B, A};
};

using Argb8 = Layout<std::uint8_t, 1, 2, 3, 0>;
using Bgra8 = Layout<std::uint8_t, 2, 1, 0, 3>;
using Argb16 = Layout<std::uint16_t, 1, 2, 3, 0>;
using ArgbFloat = Layout<float, 1, 2, 3, 0>;
using BgraFloat = Layout<float, 2, 1, 0, 3>;

// Stands for a format without conversion.
struct Unconverted {};

// The one switch from a host format to its layout.
template <typename Visitor>
decltype(auto) visit_layout(HostPixelFormat format, Visitor&& visitor) {
    switch (format) {
        case HostPixelFormat::argb: return visitor(Argb8{});
        case HostPixelFormat::bgra: return visitor(Bgra8{});
        case HostPixelFormat::ae16: return visitor(Argb16{});
        case HostPixelFormat::ae32: return visitor(ArgbFloat{});
        case HostPixelFormat::BGra:
        case HostPixelFormat::BGaL: return visitor(BgraFloat{});
    }
    return visitor(Unconverted{});
}

inline std::uint8_t staged_from_host(std::uint8_t v) { return v; }
// 32768 is the 16-bit white; the scale is a power of two, so the result is exact.
inline float staged_from_host(std::uint16_t v) { return static_cast<float>(v) * (1.0f / 32768.0f); }
inline float staged_from_host(float v) { return v; }

// Clamps to [0, 1] and rounds half up: trunc(v * white + 0.5). The product is formed in
// double, where it is exact for every float, so half-way values always round up.
// NaN fails both comparisons and lands on 0.
template <typename Channel, int White>
inline Channel quantise(float v) {
    if (!(v > 0.0f)) return 0;
    if (v >= 1.0f) return static_cast<Channel>(White);
    return static_cast<Channel>(static_cast<double>(v) * White + 0.5);
}

template <typename Channel>
inline Channel host_from_staged(float v) {
    if constexpr (std::is_same_v<Channel, std::uint8_t>) {
        return quantise<std::uint8_t, 255>(v);
    } else if constexpr (std::is_same_v<Channel, std::uint16_t>) {
        return quantise<std::uint16_t, 32768>(v);
    } else {
        return v;
    }
}

// Pixels are loaded and stored through memcpy: host rows carry no alignment promise.
template <typename L>
void upload_pixels(const unsigned char* host, unsigned char* staged, int width) {
    using Channel = typename L::Channel;
    using Staged = typename L::Staged;
    for (int x = 0; x < width; ++x) {
        Channel in[4];
        std::memcpy(in, host + static_cast<std::size_t>(x) * sizeof in, sizeof in);
        Staged out[4];
        for (int c = 0; c < 4; ++c) out[c] = staged_from_host(in[L::position[c]]);
        std::memcpy(staged + static_cast<std::size_t>(x) * sizeof out, out, sizeof out);
    }
}

template <typename L>
void download_pixels(const unsigned char* staged, unsigned char* host, int width) {
    using Channel = typename L::Channel;
    for (int x = 0; x < width; ++x) {
        float in[4];
        std::memcpy(in, staged + static_cast<std::size_t>(x) * sizeof in, sizeof in);
        Channel out[4];
        for (int c = 0; c < 4; ++c) out[L::position[c]] = host_from_staged<Channel>(in[c]);
        std::memcpy(host + static_cast<std::size_t>(x) * sizeof out, out, sizeof out);
    }
}

}  // namespace fx::pixel_layout
