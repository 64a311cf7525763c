#pragma once

#include "render/host_pixel_format.h"

namespace fx {

// Converts one row of `width` host pixels into staged R, G, B, A: bytes for the 8-bit
// formats, floats for the others. Returns false, touching nothing, for a format
// without conversion. The rows need no particular alignment.
bool upload_pixel_row(HostPixelFormat format, const void* host_row, void* staged_row, int width);

// Converts one row of `width` staged float R, G, B, A pixels into the host format.
// Integer formats clamp to [0, 1] and round half up; NaN is written as 0 there because
// it has no integer value. Float formats copy every value, NaN and out-of-range
// values included. Returns false, touching nothing, for a format without conversion.
bool download_pixel_row(HostPixelFormat format, const void* staged_row, void* host_row, int width);

}  // namespace fx
