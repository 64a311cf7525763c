#pragma once
// JPEG files decoded into 8-bit red, green, blue rows.
#include <string>

#include "host/image_records.h"

namespace fx {

// Decodes the JPEG file at `path` into `image`, which is emptied first. Grey pictures
// become three equal bytes per pixel, CMYK pictures are converted to red, green, blue;
// the result always has 3 channels. Returns 0, or -1 when the file cannot be opened, is
// damaged or cut short, or is larger than the picture limit.
int DecodeJpeg(const std::string& path, Image& image);

}  // namespace fx
