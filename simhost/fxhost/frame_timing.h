#pragma once
// The time each frame of a run took, summed up at the end.
#include <string>
#include <vector>

namespace fx::fxhost {

struct FrameTiming {
    std::vector<double> seconds;  // one per frame rendered, in order

    // "N frames in T s (F frames/s): per frame mean M ms, median, fastest, slowest".
    std::string summary() const;
};

}  // namespace fx::fxhost
