#include "simhost/host_world.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>

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

// round(clamp(v, 0, 1) × scale), halves away from zero; not-a-number gives 0. Branch-free
// so that whole rows convert in vector registers: the host fills every layer of every
// frame. The fraction x − trunc(x) is exact in float, so the comparison decides as the
// exact value would.
inline float rounded_step(float v, float scale) {
    const float clamped = v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f;
    const float x = clamped * scale;
    const float whole = static_cast<float>(static_cast<std::int32_t>(x));
    return x - whole >= 0.5f ? whole + 1.0f : whole;
}

// One row of a picture into a world row of channel type T (scale 0: float, copied), the
// channel order fixed at compile time so that the row converts without stalls.
template <typename T, ChannelOrder order>
void fill_row(const float* from, std::uint8_t* row, int width, float scale) {
    for (int x = 0; x < width; ++x) {
        const float* c = from + 4 * static_cast<std::ptrdiff_t>(x);
        T channels[4];
        if constexpr (std::is_same_v<T, float>) {
            channels[order.red] = c[0];
            channels[order.green] = c[1];
            channels[order.blue] = c[2];
            channels[order.alpha] = c[3];
        } else {
            channels[order.red] = static_cast<T>(rounded_step(c[0], scale));
            channels[order.green] = static_cast<T>(rounded_step(c[1], scale));
            channels[order.blue] = static_cast<T>(rounded_step(c[2], scale));
            channels[order.alpha] = static_cast<T>(rounded_step(c[3], scale));
        }
        std::memcpy(row + sizeof channels * static_cast<std::size_t>(x), channels, sizeof channels);
    }
}

template <ChannelOrder order>
void fill_row_of(std::size_t pixel, const float* from, std::uint8_t* row, int width) {
    if (pixel == 4) {
        fill_row<std::uint8_t, order>(from, row, width, 255.0f);
    } else if (pixel == 8) {
        fill_row<std::uint16_t, order>(from, row, width, 32768.0f);
    } else {
        fill_row<float, order>(from, row, width, 0.0f);
    }
}

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
    const std::size_t size = rowbytes * static_cast<std::size_t>(height) + 1;
    memory_.reset(static_cast<std::uint8_t*>(std::calloc(size, 1)));
    if (!memory_) throw std::bad_alloc();
    const std::size_t pixels = pixel * static_cast<std::size_t>(width);
    for (A_long y = 0; y < height; ++y)
        std::memset(memory_.get() + rowbytes * y + pixels, kPaddingByte, rowbytes - pixels);
    memory_[size - 1] = kPaddingByte;
    world_.data = reinterpret_cast<PF_PixelPtr>(memory_.get());
    world_.rowbytes = static_cast<A_long>(rowbytes);
    world_.width = width;
    world_.height = height;
    world_.extent_hint = {0, 0, width, height};
    world_.pix_aspect_ratio = {1, 1};
    world_.origin_x = origin_x;
    world_.origin_y = origin_y;
    if (pixel > 4) world_.world_flags = PF_WorldFlag_DEEP;
    std::lock_guard lock(account().mutex);
    account().formats[memory_.get()] = format;
}

HostWorld::~HostWorld() {
    std::lock_guard lock(account().mutex);
    account().formats.erase(memory_.get());
}

void HostWorld::fill(const Picture& picture) {
    const ChannelOrder order = order_of(format_);
    const std::size_t pixel = host_pixel_bytes(format_);
    const int width = std::min(picture.width, static_cast<int>(world_.width));
    const int height = std::min(picture.height, static_cast<int>(world_.height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = memory_.get() + static_cast<std::size_t>(world_.rowbytes) * y;
        const float* from = picture.at(0, y);
        if (order.red == kBgra.red)
            fill_row_of<kBgra>(pixel, from, row, width);
        else
            fill_row_of<kArgb>(pixel, from, row, width);
    }
}

Picture HostWorld::picture() const {
    const ChannelOrder order = order_of(format_);
    const std::size_t pixel = host_pixel_bytes(format_);
    Picture picture(world_.width, world_.height);
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = memory_.get() + static_cast<std::size_t>(world_.rowbytes) * y;
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
        const std::uint8_t* row = memory_.get() + static_cast<std::size_t>(world_.rowbytes) * y;
        bytes.insert(bytes.end(), row, row + row_bytes);
    }
    return bytes;
}

bool HostWorld::padding_intact() const {
    const std::size_t row_bytes = host_pixel_bytes(format_) * static_cast<std::size_t>(world_.width);
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = memory_.get() + static_cast<std::size_t>(world_.rowbytes) * y;
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
