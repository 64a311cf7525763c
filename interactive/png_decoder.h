#pragma once
// PNG files decoded into 8-bit red, green, blue (and alpha) rows.
#include <string>

#include "host/image_records.h"

namespace fx {

// Decodes the PNG file at `path` into `image`, which is emptied first. Every colour type
// and bit depth, interlaced or not, becomes 8 bits per channel: palettes and grey are
// expanded to red, green, blue, a transparency chunk to alpha, and with `add_alpha` an
// opaque alpha is added where none exists, so the picture always has 4 channels.
// Returns 0, or -1 (the file cannot be opened), -2 / -3 (libpng cannot be set up), -4
// (the file is damaged, truncated or larger than the picture limit).
int DecodePng(const std::string& path, Image& image, bool add_alpha);

}  // namespace fx
