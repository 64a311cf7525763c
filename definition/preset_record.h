#pragma once

#include <cstdint>

namespace fx {

// One assignment of a preset section: choosing `choice` in the popup at `popup_slot`
// writes (x, y, z) into `target_slot`.
struct PresetRecord {
    int32_t popup_slot = 0;
    int32_t choice = 0;
    int32_t target_slot = 0;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

}  // namespace fx
