#pragma once
// Picture files for the fxhost tests: a picture of known pixels written as a PNG, and
// pixel comparisons that print where they differ.
#include <cstdint>
#include <string>

#include "simhost/pictures/picture.h"
#include "simhost/pictures/picture_file.h"

namespace fx::test {

// Opaque 8-bit steps that differ from pixel to pixel and between `seed`s.
inline pictures::Picture stepped_picture(int width, int height, int seed) {
    pictures::Picture picture = pictures::blank_picture(width, height, "test picture");
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint16_t* p = picture.pixel(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint16_t>(((x * 37 + y * 11 + c * 71 + seed * 53) % 256) * 257);
            p[3] = pictures::kWhite;
        }
    }
    return picture;
}

// The largest difference between two pictures' channels in 8-bit steps; -1 when their
// sizes differ.
inline int largest_step_difference(const pictures::Picture& a, const pictures::Picture& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    int largest = 0;
    for (std::size_t i = 0; i < a.rgba.size(); ++i) {
        const int d = std::abs(static_cast<int>(a.rgba[i]) - static_cast<int>(b.rgba[i]));
        largest = std::max(largest, (d + 128) / 257);
    }
    return largest;
}

}  // namespace fx::test
