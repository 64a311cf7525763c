#include "interactive/image_thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace fx {
namespace {

struct Rect {
    int x, y, width, height;
};

// The three buttons' boxes and their plus, minus and ring, x measured from the strip
// that starts two pixels right of the sampled picture.
constexpr Rect kGlyphs[] = {
    {2, 2, 14, 1},  {2, 15, 14, 1}, {2, 18, 14, 1}, {2, 31, 14, 1},  {2, 34, 14, 1},  {2, 47, 14, 1}, {2, 3, 1, 12},
    {2, 19, 1, 12}, {2, 35, 1, 12}, {15, 3, 1, 12}, {15, 19, 1, 12}, {15, 35, 1, 12}, {4, 8, 10, 2},  {8, 4, 2, 10},
    {4, 24, 10, 2}, {6, 36, 6, 2},  {6, 44, 6, 2},  {4, 38, 2, 6},   {12, 38, 2, 6},
};

struct Steps {
    float x, y;
};

// How far apart the samples lie in the picture. With the aspect ratio kept the whole
// picture fits the min(width, height) square at the top left.
Steps sample_steps(const Image& full, ThumbnailSize size) {
    const float W = static_cast<float>(full.width), H = static_cast<float>(full.height);
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    if (size.scale <= 0) return {W / w, H / h};
    const float J = w / h;
    const float fit_w = J > 1 ? w / J : w;
    const float fit_h = J > 1 ? h : h * J;
    const float I = W / H;
    if (I > 1) return {W / fit_w, (I * H) / fit_h};
    return {W / (fit_w * I), H / fit_h};
}

float unit(std::uint8_t byte) { return static_cast<float>(byte / 255.0); }

// The channel's 2 x 2 average at (x0, y0), as the byte the thumbnail keeps.
std::uint8_t sample(const Image& full, std::size_t x0, std::size_t y0, std::size_t x1, std::size_t y1, int k) {
    const std::size_t row = std::size_t{full.width} * full.channels;
    const auto at = [&](std::size_t x, std::size_t y) { return unit(full.pixels[y * row + x * full.channels + k]); };
    const float a = at(x0, y0), b = at(x1, y0), d = at(x0, y1), e = at(x1, y1);
    const float top = (b - a) * 0.5f + a;
    const float bottom = (e - d) * 0.5f + d;
    const float v = (bottom - top) * 0.5f + top;
    return static_cast<std::uint8_t>(static_cast<int>(std::trunc(v * 255.0f)) & 0xff);
}

void put_sampled(std::uint8_t* pixel, const std::uint8_t s[4]) {
    const double alpha = s[3] / 255.0;
    pixel[0] = static_cast<std::uint8_t>(std::trunc(s[2] * alpha + (1 - alpha) * 255));
    pixel[1] = static_cast<std::uint8_t>(std::trunc(s[1] * alpha));
    pixel[2] = static_cast<std::uint8_t>(std::trunc(s[0] * alpha + (1 - alpha) * 255));
    pixel[3] = 255;
}

void sample_picture(ImageHolder& holder, ThumbnailSize size) {
    const Image& full = holder.full;
    const std::size_t stride = static_cast<std::size_t>(size.width) + thumbnail_button_width;
    const int channels = std::min<int>(full.channels, 4);
    const Steps steps = sample_steps(full, size);
    const float W = static_cast<float>(full.width), H = static_cast<float>(full.height);
    std::uint8_t s[4] = {255, 255, 255, 255};
    int lo = 1000, hi = -1000;
    float y = 0;
    for (int j = 0; j < size.height; ++j) {
        float x = 0;
        const auto y0 = static_cast<std::size_t>(std::floor(y));
        const std::size_t y1 = std::min<std::size_t>(y0 + 1, full.height - 1);
        for (int i = 0; i < size.width; ++i) {
            const auto x0 = static_cast<std::size_t>(std::floor(x));
            const std::size_t x1 = std::min<std::size_t>(x0 + 1, full.width - 1);
            for (int k = 0; k < channels; ++k) {
                s[k] = sample(full, x0, y0, x1, y1, k);
                lo = std::min<int>(lo, s[k]);
                hi = std::max<int>(hi, s[k]);
            }
            put_sampled(holder.thumb.pixels.data() + (j * stride + i) * 4, s);
            x += steps.x;
            if (x >= W) break;
        }
        y += steps.y;
        if (y >= H) break;
    }
    holder.min_sample = static_cast<float>(lo);
    holder.max_sample = static_cast<float>(hi);
}

void draw_glyphs(ImageHolder& holder, ThumbnailSize size) {
    const std::size_t stride = static_cast<std::size_t>(size.width) + thumbnail_button_width;
    for (const Rect& r : kGlyphs) {
        for (int y = r.y; y < r.y + r.height && y < size.height; ++y) {
            for (int x = size.width + 2 + r.x; x < size.width + 2 + r.x + r.width; ++x) {
                std::uint8_t* pixel = holder.thumb.pixels.data() + (y * stride + x) * 4;
                pixel[0] = pixel[1] = pixel[2] = 190;
                pixel[3] = 255;
            }
        }
    }
}

}  // namespace

Image placeholder_picture(std::int32_t width, std::int32_t height) {
    Image image;
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.channels = 3;
    image.pixels.resize(std::size_t{image.width} * image.height * 3);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const bool white = (y < height / 2) == (x < width / 2);
            std::uint8_t* pixel = image.pixels.data() + (std::size_t(y) * image.width + x) * 3;
            pixel[0] = pixel[1] = pixel[2] = white ? 255 : 0;
        }
    }
    return image;
}

void build_thumbnail(ImageHolder& holder, ThumbnailSize size) {
    holder.thumb.pixels.assign(thumbnail_size(size.width, size.height), 0);
    if (!holder.full.empty() && holder.full.channels >= 1 &&
        holder.full.pixels.size() >= std::size_t{holder.full.width} * holder.full.height * holder.full.channels)
        sample_picture(holder, size);
    draw_glyphs(holder, size);
}

}  // namespace fx
