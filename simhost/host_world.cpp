#include "simhost/host_world.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

#include "PrSDKAESupport.h"

namespace fx {
namespace {

struct WorldAccount {
    std::mutex mutex;
    std::map<const void*, PF_PixelFormat> formats;
};

WorldAccount& account() {
    static WorldAccount worlds;
    return worlds;
}

// Channel order in memory: the index of red, green, blue and alpha within a pixel.
struct ChannelOrder {
    int red, green, blue, alpha;
};

constexpr ChannelOrder kArgb{1, 2, 3, 0};
constexpr ChannelOrder kBgra{2, 1, 0, 3};

ChannelOrder order_of(PF_PixelFormat format) {
    return format == PF_PixelFormat_BGRA32 || format == PrPixelFormat_BGRA_4444_32f ||
                   format == PrPixelFormat_BGRA_4444_32f_Linear
               ? kBgra
               : kArgb;
}

float clamped(float v) { return std::clamp(v, 0.0f, 1.0f); }

}  // namespace

std::size_t host_pixel_bytes(PF_PixelFormat format) {
    switch (format) {
        case PF_PixelFormat_ARGB32:
        case PF_PixelFormat_BGRA32:
            return 4;
        case PF_PixelFormat_ARGB64:
            return 8;
        case PF_PixelFormat_ARGB128:
        case PrPixelFormat_BGRA_4444_32f:
        case PrPixelFormat_BGRA_4444_32f_Linear:
            return 16;
        default:
            return 0;
    }
}

HostWorld::HostWorld(PF_PixelFormat format, A_long width, A_long height, A_long row_padding, A_long origin_x,
                     A_long origin_y)
    : format_(format) {
    const std::size_t pixel = host_pixel_bytes(format);
    if (pixel == 0)
        throw std::invalid_argument("HostWorld: pixel format " + std::to_string(format) + " is not rendered");
    if (width < 0 || height < 0 || row_padding < 0) {
        throw std::invalid_argument("HostWorld: expected a non-negative size and padding, got " +
                                    std::to_string(width) + " x " + std::to_string(height) + " + " +
                                    std::to_string(row_padding));
    }
    const std::size_t rowbytes = pixel * static_cast<std::size_t>(width) + static_cast<std::size_t>(row_padding);
    // One byte more than the rows need, so that an empty world still has an address of its own.
    memory_.assign(rowbytes * static_cast<std::size_t>(height) + 1, kPaddingByte);
    for (A_long y = 0; y < height; ++y) std::memset(memory_.data() + rowbytes * y, 0, pixel * width);
    world_.data = reinterpret_cast<PF_PixelPtr>(memory_.data());
    world_.rowbytes = static_cast<A_long>(rowbytes);
    world_.width = width;
    world_.height = height;
    world_.extent_hint = {0, 0, width, height};
    world_.pix_aspect_ratio = {1, 1};
    world_.origin_x = origin_x;
    world_.origin_y = origin_y;
    if (pixel > 4) world_.world_flags = PF_WorldFlag_DEEP;
    std::lock_guard lock(account().mutex);
    account().formats[memory_.data()] = format;
}

HostWorld::~HostWorld() {
    std::lock_guard lock(account().mutex);
    account().formats.erase(memory_.data());
}

void HostWorld::fill(const Picture& picture) {
    const ChannelOrder order = order_of(format_);
    const std::size_t pixel = host_pixel_bytes(format_);
    const int width = std::min(picture.width, static_cast<int>(world_.width));
    const int height = std::min(picture.height, static_cast<int>(world_.height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = memory_.data() + static_cast<std::size_t>(world_.rowbytes) * y;
        for (int x = 0; x < width; ++x) {
            const float* c = picture.at(x, y);
            const float channels[4] = {c[0], c[1], c[2], c[3]};
            const int places[4] = {order.red, order.green, order.blue, order.alpha};
            std::uint8_t* p = row + pixel * x;
            for (int k = 0; k < 4; ++k) {
                if (pixel == 4) {
                    p[places[k]] = static_cast<std::uint8_t>(std::lround(clamped(channels[k]) * 255.0f));
                } else if (pixel == 8) {
                    const auto v = static_cast<std::uint16_t>(std::lround(clamped(channels[k]) * 32768.0f));
                    std::memcpy(p + 2 * places[k], &v, 2);
                } else {
                    std::memcpy(p + 4 * places[k], &channels[k], 4);
                }
            }
        }
    }
}

Picture HostWorld::picture() const {
    const ChannelOrder order = order_of(format_);
    const std::size_t pixel = host_pixel_bytes(format_);
    Picture picture(world_.width, world_.height);
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = memory_.data() + static_cast<std::size_t>(world_.rowbytes) * y;
        for (int x = 0; x < world_.width; ++x) {
            const std::uint8_t* p = row + pixel * x;
            float* c = picture.at(x, y);
            const int places[4] = {order.red, order.green, order.blue, order.alpha};
            for (int k = 0; k < 4; ++k) {
                if (pixel == 4) {
                    c[k] = p[places[k]] / 255.0f;
                } else if (pixel == 8) {
                    std::uint16_t v;
                    std::memcpy(&v, p + 2 * places[k], 2);
                    c[k] = v / 32768.0f;
                } else {
                    std::memcpy(&c[k], p + 4 * places[k], 4);
                }
            }
        }
    }
    return picture;
}

std::vector<std::uint8_t> HostWorld::pixel_bytes() const {
    const std::size_t row_bytes = host_pixel_bytes(format_) * static_cast<std::size_t>(world_.width);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(row_bytes * static_cast<std::size_t>(world_.height));
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = memory_.data() + static_cast<std::size_t>(world_.rowbytes) * y;
        bytes.insert(bytes.end(), row, row + row_bytes);
    }
    return bytes;
}

bool HostWorld::padding_intact() const {
    const std::size_t row_bytes = host_pixel_bytes(format_) * static_cast<std::size_t>(world_.width);
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = memory_.data() + static_cast<std::size_t>(world_.rowbytes) * y;
        for (std::size_t k = row_bytes; k < static_cast<std::size_t>(world_.rowbytes); ++k)
            if (row[k] != kPaddingByte) return false;
    }
    return true;
}

std::optional<PF_PixelFormat> host_world_format(const void* pixels) {
    std::lock_guard lock(account().mutex);
    const auto found = account().formats.find(pixels);
    if (found == account().formats.end()) return std::nullopt;
    return found->second;
}

std::size_t live_host_worlds() {
    std::lock_guard lock(account().mutex);
    return account().formats.size();
}

}  // namespace fx
