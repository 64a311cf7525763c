#include "render/layer_time.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "definition/param_def.h"

namespace fx {
namespace {

// trunc toward zero; values beyond the 32-bit range saturate instead of being undefined.
std::int64_t whole(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<std::int64_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}

A_long host_time(std::int64_t time) {
    return static_cast<A_long>(std::clamp<std::int64_t>(time, 0, std::numeric_limits<A_long>::max()));
}

// Holds the layer on multiples of `frames` frames: the last multiple at or before t.
std::int64_t held_time(A_long t, A_long s, std::int64_t frames) {
    const float step = static_cast<float>(s) * static_cast<float>(frames);
    const float q = static_cast<float>(t) / step;
    if (!std::isfinite(q)) return 0;
    std::int64_t r = whole(q);
    if (q < 0.0f && static_cast<float>(r) != q) --r;
    return static_cast<std::int64_t>(s) * whole(static_cast<float>(r) * static_cast<float>(frames));
}

}  // namespace

A_long layer_time(const ParamDef& slot, A_long offset_multiplier, A_long extra_frames, A_long current_time,
                  A_long time_step) {
    const std::int64_t offset = whole(slot.default_value[0] + static_cast<float>(extra_frames));
    const std::int64_t mode = whole(slot.default_value[1]);
    const std::int64_t t = current_time;
    const std::int64_t s = time_step;
    std::int64_t time = 0;
    if (mode == 0) {
        // Three 32-bit factors can exceed 64 bits; the product saturates through double.
        time = whole(static_cast<double>(t) +
                     static_cast<double>(s) * static_cast<double>(offset_multiplier) * static_cast<double>(offset));
    } else if (mode == 1) {
        time = s * offset;
    } else if (offset <= 0) {
        time = 0;
    } else if (offset == 1) {
        time = t;
    } else {
        time = held_time(current_time, time_step, offset);
    }
    return host_time(time);
}

}  // namespace fx
