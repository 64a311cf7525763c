#pragma once
// Shared pieces of the frame tests: pictures whose every pixel differs, an effect
// instance over a definition file, and the host-side checks that nothing outlived the
// frames.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "simhost/effect_instance.h"
#include "simhost/host_world.h"
#include "simhost/sim_host.h"
#include "tests/host/definition_file.h"

namespace fx::test {

// Channel values on the 8-bit grid (exact in every format), different in every pixel
// and channel, alpha included; `seed` makes two pictures differ everywhere.
inline Picture ramp_picture(int width, int height, int seed = 0) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float* c = picture.at(x, y);
            for (int k = 0; k < 4; ++k)
                c[k] = static_cast<float>((x * 37 + y * 11 + k * 61 + seed * 97) % 256) / 255.0f;
        }
    }
    return picture;
}

// The bytes a host world of `format` holds for `picture`.
inline std::vector<std::uint8_t> world_bytes(const Picture& picture, PF_PixelFormat format) {
    HostWorld world(format, picture.width, picture.height);
    world.fill(picture);
    return world.pixel_bytes();
}

// The largest channel difference between two pictures of one size.
inline float largest_difference(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return 1e9f;
    float largest = 0.0f;
    for (std::size_t k = 0; k < a.rgba.size(); ++k) largest = std::max(largest, std::abs(a.rgba[k] - b.rgba[k]));
    return largest;
}

// Every handle, suite, parameter and world the frames used was given back; the handles
// the instance keeps (global and sequence data) are `kept`.
inline void expect_host_account_clean(SimHost& host, std::size_t kept) {
    EXPECT_EQ(host.handles().live_count(), kept) << host.handles().leak_report();
    EXPECT_EQ(host.checked_out_params(), 0) << "parameters left checked out";
    EXPECT_EQ(host.checked_out_layers(), 0u) << "layer worlds left checked out";
    const std::vector<std::string> misuses = host.misuses();
    EXPECT_TRUE(misuses.empty()) << misuses.front();
}

}  // namespace fx::test
