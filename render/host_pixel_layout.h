#pragma once

// The memory layout of each converted host pixel format and the one template that moves
// a pixel between it and the staged R, G, B, A order. Shared by the row functions and the
// host-facing row converters so that both pick the layout through the same switch.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

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
        case HostPixelFormat::argb:
            return visitor(Argb8{});
        case HostPixelFormat::bgra:
            return visitor(Bgra8{});
        case HostPixelFormat::ae16:
            return visitor(Argb16{});
        case HostPixelFormat::ae32:
            return visitor(ArgbFloat{});
        case HostPixelFormat::BGra:
        case HostPixelFormat::BGaL:
            return visitor(BgraFloat{});
    }
    return visitor(Unconverted{});
}

inline std::uint8_t staged_from_host(std::uint8_t v) { return v; }
// 32768 is the 16-bit white; the scale is a power of two, so the result is exact.
inline float staged_from_host(std::uint16_t v) { return static_cast<float>(v) * (1.0f / 32768.0f); }
inline float staged_from_host(float v) { return v; }

// Clamps to [0, 1] and rounds half up: trunc(v * white + 0.5). The product is formed in
// double, where it is exact for every float, so half-way values always round up.
// max(0, v) also turns NaN into 0. No branches, so rows convert without mispredictions.
template <typename Channel, int White>
inline Channel quantise(float v) {
    const float c = std::min(std::max(0.0f, v), 1.0f);
    return static_cast<Channel>(static_cast<std::int32_t>(static_cast<double>(c) * White + 0.5));
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

// Channels are loaded and stored one by one through memcpy: host rows carry no
// alignment promise, and storing each channel in place avoids assembling a pixel in
// memory byte by byte only to copy it again.
template <typename T>
inline T load(const unsigned char* at) {
    T v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

template <typename T>
inline void store(unsigned char* at, T v) {
    std::memcpy(at, &v, sizeof v);
}

template <typename L, std::size_t... C>
inline void upload_pixel(const unsigned char* host, unsigned char* staged, std::index_sequence<C...>) {
    using Channel = typename L::Channel;
    using Staged = typename L::Staged;
    (store<Staged>(staged + C * sizeof(Staged),
                   staged_from_host(load<Channel>(host + L::position[C] * sizeof(Channel)))),
     ...);
}

template <typename L, std::size_t... C>
inline void download_pixel(const unsigned char* staged, unsigned char* host, std::index_sequence<C...>) {
    using Channel = typename L::Channel;
    (store<Channel>(host + L::position[C] * sizeof(Channel),
                    host_from_staged<Channel>(load<float>(staged + C * sizeof(float)))),
     ...);
}

}  // namespace fx::pixel_layout
