#pragma once
// The picture an image parameter's control shows: a small sample of the decoded picture
// with its three buttons beside it, and the checkerboard that stands in for a picture
// that could not be loaded.
#include <cstdint>

#include "host/image_records.h"

namespace fx {

struct ThumbnailSize {
    std::int32_t width;   // the definition's "imgwidth", at least 1
    std::int32_t height;  // "imgheight", at least 1
    std::int32_t scale;   // "imgscale": above 0 keeps the picture's aspect ratio
};

// width x height red, green, blue pixels: white in the top-left and bottom-right
// quarters, black in the other two.
Image placeholder_picture(std::int32_t width, std::int32_t height);

// Fills holder.thumb from holder.full ((width + 25) x height blue, green, red, alpha
// pixels: the sampled picture, magenta where it is transparent, and the button glyphs)
// and sets the holder's sample range.
void build_thumbnail(ImageHolder& holder, ThumbnailSize size);

}  // namespace fx
