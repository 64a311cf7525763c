#pragma once
// A picture as fxhost reads, renders and writes it: straight (not premultiplied) R, G, B,
// A in 16 bits a channel, 0 .. 65535, rows top to bottom. 16 bits hold every 8-bit and
// 16-bit file value exactly (an 8-bit value v is v × 257).
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx::pictures {

// Pictures larger than this are refused before any pixel memory is allocated: 16384 ×
// 16384 is far above any video frame, and a hostile header must not ask for gigabytes.
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{16384} * 16384 / 4;
inline constexpr std::uint16_t kWhite = 65535;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> rgba;  // 4 × width × height channels

    std::uint16_t* pixel(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint16_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

// A picture file that cannot be read or written; the message names the file and says why.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A blank picture of the given size; throws PictureError (naming `where`) when the size is
// not positive or exceeds kMaxPicturePixels.
Picture blank_picture(int width, int height, const std::string& where);

}  // namespace fx::pictures
