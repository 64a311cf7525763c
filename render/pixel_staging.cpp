#include "render/pixel_staging.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace fx {
namespace {

void check_size(const char* where, int width, int height) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument(std::string(where) + ": expected a non-negative size, got " +
                                    std::to_string(width) + " x " + std::to_string(height));
    }
}

std::int32_t row_size(const char* where, int width, int bytes_per_pixel) {
    const std::int64_t bytes = static_cast<std::int64_t>(width) * bytes_per_pixel;
    if (bytes > std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error(std::string(where) + ": a row of " + std::to_string(width) +
                                " pixels exceeds the 32-bit row size");
    }
    return static_cast<std::int32_t>(bytes);
}

}  // namespace

InputImage staged_layer_layout(HostPixelFormat format, int width, int height, double origin_x, double origin_y) {
    check_size("stage_layer", width, height);
    InputImage image;
    image.width = width;
    image.height = height;
    image.bits_per_channel = staged_bits_per_channel(format);
    image.row_bytes = row_size("stage_layer", width, image.bits_per_channel == 8 ? 4 : 16);
    image.origin_x = origin_x;
    image.origin_y = origin_y;
    image.channel_layout = ChannelLayout::rgba;
    return image;
}

InputImage staged_image_layout(int width, int height, int channels, void* pixels) {
    check_size("stage_image", width, height);
    if (channels != 3 && channels != 4) {
        throw std::invalid_argument("stage_image: expected 3 or 4 channels, got " + std::to_string(channels));
    }
    InputImage image;
    image.width = width;
    image.height = height;
    image.pixels = pixels;
    image.bits_per_channel = 8;
    image.row_bytes = row_size("stage_image", width, channels);
    image.channel_layout = channels == 3 ? ChannelLayout::rgb : ChannelLayout::rgba;
    return image;
}

InputImage staged_output_layout(int width, int height) {
    check_size("stage_output", width, height);
    InputImage image;
    image.width = width;
    image.height = height;
    image.bits_per_channel = 32;
    image.row_bytes = row_size("stage_output", width, 16);
    image.channel_layout = ChannelLayout::rgba;
    return image;
}

std::size_t staged_byte_size(const InputImage& image) {
    if (image.row_bytes <= 0 || image.height <= 0) return 0;
    return static_cast<std::size_t>(image.row_bytes) * static_cast<std::size_t>(image.height);
}

void clear_staged_pixels(InputImage& image) {
    if (image.pixels != nullptr) std::memset(image.pixels, 0, staged_byte_size(image));
}

}  // namespace fx
