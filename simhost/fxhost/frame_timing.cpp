#include "simhost/fxhost/frame_timing.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace fx::fxhost {

std::string FrameTiming::summary() const {
    if (seconds.empty()) return "0 frames rendered";
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const double total = std::accumulate(sorted.begin(), sorted.end(), 0.0);
    const std::size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : 0.5 * (sorted[n / 2 - 1] + sorted[n / 2]);
    char text[256];
    std::snprintf(text, sizeof text,
                  "%zu frame%s in %.3f s (%.2f frames/s): per frame mean %.1f ms, median %.1f ms, fastest %.1f ms, "
                  "slowest %.1f ms",
                  n, n == 1 ? "" : "s", total, total > 0 ? n / total : 0.0, 1000 * total / n, 1000 * median,
                  1000 * sorted.front(), 1000 * sorted.back());
    return text;
}

}  // namespace fx::fxhost
