#include "render/input_range.h"

#include <cstddef>
#include <cstring>

namespace fx {

ValueRange scan_float_range(const PF_EffectWorld& world) {
    ValueRange range;
    if (world.data == nullptr || world.width <= 0 || world.height <= 0) return range;
    const auto* base = reinterpret_cast<const unsigned char*>(world.data);
    const std::size_t floats = static_cast<std::size_t>(world.width) * 4;
    for (A_long row = 0; row < world.height; ++row) {
        const unsigned char* bytes = base + static_cast<std::ptrdiff_t>(row) * world.rowbytes;
        for (std::size_t k = 0; k < floats; ++k) {
            float value;
            // Host rows need not be float-aligned.
            std::memcpy(&value, bytes + k * sizeof(float), sizeof value);
            if (value > range.max) {
                range.max = value;
            } else if (value < range.min) {
                range.min = value;
            }
        }
    }
    return range;
}

}  // namespace fx
