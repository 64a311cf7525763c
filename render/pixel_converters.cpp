#include "render/pixel_converters.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "render/pixel_rows.h"

namespace fx {
namespace {

enum class Direction { upload, download, download_bytes };

unsigned char* row_start(const PF_EffectWorld& world, A_long row) {
    return reinterpret_cast<unsigned char*>(world.data) + static_cast<std::ptrdiff_t>(row) * world.rowbytes;
}

// The world's own rowbytes steps from row to row: host rows are often padded beyond
// width × pixel size, and the padding is never written.
template <typename L, Direction D>
PF_Err convert_row(void* refcon, A_long thread_index, A_long row, A_long /*row_count*/) {
    const auto* job = static_cast<const PixelConversion*>(refcon);
    if (job == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    PF_Err err = PF_Err_NONE;
    if (thread_index == 0 && job->in_data != nullptr && job->in_data->inter.abort != nullptr) {
        err = job->in_data->inter.abort(job->in_data->effect_ref);
    }
    const PF_EffectWorld* source = job->source;
    PF_EffectWorld* destination = job->destination;
    if (source == nullptr || destination == nullptr || source->data == nullptr || destination->data == nullptr) {
        return err;
    }
    // A row outside either world, or the columns one world lacks, are skipped rather
    // than read or written out of bounds.
    if (row < 0 || row >= source->height || row >= destination->height) return err;
    const int width = std::min(source->width, destination->width);
    if (width <= 0) return err;
    if constexpr (D == Direction::upload) {
        pixel_layout::upload_pixels<L>(row_start(*source, row), row_start(*destination, row), width);
    } else if constexpr (D == Direction::download_bytes) {
        pixel_layout::download_byte_pixels<L>(row_start(*source, row), row_start(*destination, row), width);
    } else {
        pixel_layout::download_pixels<L>(row_start(*source, row), row_start(*destination, row), width);
    }
    return err;
}

template <Direction D>
PixelRowConverter converter_for(HostPixelFormat format) {
    return pixel_layout::visit_layout(format, [](auto layout) -> PixelRowConverter {
        using L = decltype(layout);
        if constexpr (std::is_same_v<L, pixel_layout::Unconverted>) {
            return nullptr;
        } else if constexpr (D == Direction::download_bytes && !std::is_same_v<typename L::Channel, std::uint8_t>) {
            return nullptr;
        } else {
            return &convert_row<L, D>;
        }
    });
}

}  // namespace

PixelRowConverter upload_converter(HostPixelFormat format) { return converter_for<Direction::upload>(format); }

PixelRowConverter download_converter(HostPixelFormat format) { return converter_for<Direction::download>(format); }

PixelRowConverter byte_download_converter(HostPixelFormat format) {
    return converter_for<Direction::download_bytes>(format);
}

PF_EffectWorld staged_world(const InputImage& image) {
    PF_EffectWorld world{};
    world.data = static_cast<PF_PixelPtr>(image.pixels);
    world.rowbytes = image.row_bytes;
    world.width = image.width;
    world.height = image.height;
    return world;
}

PF_Err iterate_rows_in_order(A_long row_count, void* refcon, PixelRowConverter converter) {
    if (converter == nullptr) return PF_Err_NONE;
    for (A_long row = 0; row < row_count; ++row) {
        if (const PF_Err err = converter(refcon, 0, row, row_count); err != PF_Err_NONE) return err;
    }
    return PF_Err_NONE;
}

}  // namespace fx
