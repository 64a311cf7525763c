#include "host/image_records.h"

#include <algorithm>

namespace fx {

std::size_t thumbnail_size(std::int32_t imgwidth, std::int32_t imgheight) noexcept {
    // A size below 1 cannot come from a parsed definition; it makes an empty buffer
    // rather than a huge one.
    const auto width = static_cast<std::size_t>(std::max(imgwidth, 0)) + thumbnail_button_width;
    const auto height = static_cast<std::size_t>(std::max(imgheight, 0));
    return width * height * 4;
}

std::unique_ptr<ImageHolder> create_image_holder(std::int32_t imgwidth, std::int32_t imgheight) {
    auto holder = std::make_unique<ImageHolder>();
    holder->thumb.pixels.resize(thumbnail_size(imgwidth, imgheight));
    return holder;
}

}  // namespace fx
