#pragma once
// Pictures and the worlds the simulated host renders with.
//
// A Picture is the host's own canonical form of an image: float red, green, blue, alpha
// (0..1, straight), rows from top to bottom. A HostWorld is a world the host owns, in
// one of its pixel formats, with rows padded beyond width × pixel size and an origin, as
// real hosts hand them out. The host knows each of its worlds by its pixels, so the
// world suites can answer a world's pixel format for any copy of its record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "AE_Effect.h"
#include "AE_EffectPixelFormat.h"

namespace fx {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<float> rgba;  // width × height × 4

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0.0f) {}
    float* at(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const float* at(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

// The bytes one pixel takes in a host format: 4 (8-bit), 8 (16-bit), 16 (float); 0 for
// a format the host does not render in.
std::size_t host_pixel_bytes(PF_PixelFormat format);

class HostWorld {
public:
    // Throws std::invalid_argument for a format the host does not render in or a
    // negative size. The pixels start as zero; the row padding holds kPaddingByte.
    HostWorld(PF_PixelFormat format, A_long width, A_long height, A_long row_padding = 0, A_long origin_x = 0,
              A_long origin_y = 0);
    ~HostWorld();
    HostWorld(const HostWorld&) = delete;
    HostWorld& operator=(const HostWorld&) = delete;

    static constexpr std::uint8_t kPaddingByte = 0xA5;

    PF_EffectWorld& world() { return world_; }
    const PF_EffectWorld& world() const { return world_; }
    PF_PixelFormat format() const { return format_; }

    // Writes the picture into the world, pixel for pixel from the top-left corner; what
    // the picture does not cover stays as it was. Values are clamped for the integer
    // formats and rounded to the nearest step.
    void fill(const Picture& picture);
    // The world read back into the canonical form.
    Picture picture() const;
    // The pixel bytes of every row, without the padding: what a plug-in wrote.
    std::vector<std::uint8_t> pixel_bytes() const;
    // True while nobody has written into the row padding.
    bool padding_intact() const;

private:
    PF_PixelFormat format_;
    struct FreeMemory {
        void operator()(std::uint8_t* memory) const noexcept { std::free(memory); }
    };
    // calloc'ed: a large world's pages start as zero without a pass over them.
    std::unique_ptr<std::uint8_t[], FreeMemory> memory_;
    PF_EffectWorld world_{};
};

// The format of the host world whose pixels start at `pixels`; nothing for pixels the
// host did not hand out (or has taken back).
std::optional<PF_PixelFormat> host_world_format(const void* pixels);
// Host worlds alive now, in every host of the process.
std::size_t live_host_worlds();

}  // namespace fx
