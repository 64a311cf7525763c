#pragma once

#include <cstddef>

#include "render/gl/input_image.h"
#include "render/host_pixel_format.h"

namespace fx {

// Describes the staging buffer of a host layer (pixels still null): 4 bytes a pixel in
// R, G, B, A order for the 8-bit formats, 16 bytes (float R, G, B, A) for every other
// format. Throws std::invalid_argument for a negative size and std::length_error when a
// row would not fit the 32-bit row size.
InputImage staged_layer_layout(HostPixelFormat format, int width, int height, double origin_x, double origin_y);

// Describes a decoded 8-bit image with 3 (R, G, B) or 4 (R, G, B, A) channels whose
// buffer is borrowed. Throws std::invalid_argument for another channel count or a
// negative size.
InputImage staged_image_layout(int width, int height, int channels, void* pixels);

// Describes the read-back buffer: float R, G, B, A, origin 0 (pixels still null).
InputImage staged_output_layout(int width, int height);

// Bytes the staged picture spans: row_bytes × height, 0 for an empty picture.
std::size_t staged_byte_size(const InputImage& image);

// Sets every byte of the staged picture to zero; nothing happens without pixels.
void clear_staged_pixels(InputImage& image);

}  // namespace fx
