#include "render/pixel_row_conversion.h"

#include <type_traits>

#include "render/pixel_rows.h"

namespace fx {

bool upload_pixel_row(HostPixelFormat format, const void* host_row, void* staged_row, int width) {
    return pixel_layout::visit_layout(format, [&](auto layout) {
        using L = decltype(layout);
        if constexpr (std::is_same_v<L, pixel_layout::Unconverted>) {
            return false;
        } else {
            pixel_layout::upload_pixels<L>(static_cast<const unsigned char*>(host_row),
                                           static_cast<unsigned char*>(staged_row), width);
            return true;
        }
    });
}

bool download_pixel_row(HostPixelFormat format, const void* staged_row, void* host_row, int width) {
    return pixel_layout::visit_layout(format, [&](auto layout) {
        using L = decltype(layout);
        if constexpr (std::is_same_v<L, pixel_layout::Unconverted>) {
            return false;
        } else {
            pixel_layout::download_pixels<L>(static_cast<const unsigned char*>(staged_row),
                                             static_cast<unsigned char*>(host_row), width);
            return true;
        }
    });
}

}  // namespace fx
