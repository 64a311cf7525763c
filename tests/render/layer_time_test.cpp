#include "render/layer_time.h"

#include <gtest/gtest.h>

#include <climits>

#include "definition/param_def.h"

namespace fx {
namespace {

struct LayerTimeCase {
    const char* name;
    float offset;  // default x, in frames
    float mode;    // default y
    A_long multiplier;
    A_long extra_frames;
    A_long frame;  // current time in frames (time_step 100)
    A_long expected_frame;
};

const LayerTimeCase kCases[] = {
    {"mode 0 without a multiplier stays at the current frame", 2, 0, 0, 0, 10, 10},
    {"mode 0 with multiplier 1 is two frames later", 2, 0, 1, 0, 10, 12},
    {"mode 0 with a negative offset goes back", -3, 0, 1, 0, 10, 7},
    {"mode 0 never goes before time 0", -3, 0, 1, 0, 1, 0},
    {"mode 0 adds the extra frames to the offset", 1, 0, 2, 2, 10, 16},
    {"mode 1 fetches a fixed frame", 4, 1, 0, 0, 10, 4},
    {"mode 1 with extra frames", 4, 1, 0, 3, 10, 7},
    {"mode 2 holds on multiples of 4: frame 10 shows 8", 4, 2, 0, 0, 10, 8},
    {"mode 2 holds on multiples of 4: frame 3 shows 0", 4, 2, 0, 0, 3, 0},
    {"mode 2 on a multiple shows that frame", 4, 2, 0, 0, 12, 12},
    {"mode 2 with step 1 follows the current frame", 1, 2, 0, 0, 9, 9},
    {"mode 2 with step 0 shows time 0", 0, 2, 0, 0, 9, 0},
    {"an offset is cut toward zero", 2.9f, 0, 1, 0, 10, 12},
};

TEST(LayerTime, EveryModeFetchesTheFrameItNames) {
    for (const LayerTimeCase& c : kCases) {
        ParamDef slot;
        slot.type = kParamLayer;
        slot.default_value[0] = c.offset;
        slot.default_value[1] = c.mode;
        EXPECT_EQ(layer_time(slot, c.multiplier, c.extra_frames, c.frame * 100, 100), c.expected_frame * 100) << c.name;
    }
}

TEST(LayerTime, TimesBeyondTheHostsRangeSaturate) {
    ParamDef slot;
    slot.default_value[0] = 2e9f;
    EXPECT_EQ(layer_time(slot, INT_MAX, 0, 10, INT_MAX), INT_MAX);
    slot.default_value[0] = -2e9f;
    EXPECT_EQ(layer_time(slot, INT_MAX, 0, 10, INT_MAX), 0);
}

}  // namespace
}  // namespace fx
