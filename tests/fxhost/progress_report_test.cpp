#include <gtest/gtest.h>

#include <string>

#include "simhost/fxhost/frame_timing.h"
#include "simhost/fxhost/progress_bar.h"

namespace fx::fxhost {
namespace {

TEST(ProgressText, FillsTheBarInProportionAndStaysWithinItsEnds) {
    struct Case {
        long long done;
        long long total;
        const char* text;
    };
    const Case cases[] = {
        {0, 10, "[..........]   0% 0/10"}, {5, 10, "[#####.....]  50% 5/10"},   {10, 10, "[##########] 100% 10/10"},
        {1, 3, "[###.......]  33% 1/3"},   {15, 10, "[##########] 100% 10/10"}, {-2, 10, "[..........]   0% 0/10"},
        {0, 0, "[##########] 100% 0/0"},
    };
    for (const Case& c : cases) EXPECT_EQ(progress_text(c.done, c.total, "", 10), c.text) << c.done << "/" << c.total;
    EXPECT_EQ(progress_text(2, 4, "frame 7", 4), "[##..]  50% 2/4 frame 7");
}

TEST(FrameTiming, SummarisesCountTotalAndTheSpread) {
    FrameTiming timing;
    EXPECT_EQ(timing.summary(), "0 frames rendered");
    timing.seconds = {0.030, 0.010, 0.020, 0.040};
    EXPECT_EQ(timing.summary(),
              "4 frames in 0.100 s (40.00 frames/s): per frame mean 25.0 ms, median 25.0 ms, fastest 10.0 ms, slowest "
              "40.0 ms");
    timing.seconds = {0.5};
    EXPECT_EQ(timing.summary(),
              "1 frame in 0.500 s (2.00 frames/s): per frame mean 500.0 ms, median 500.0 ms, fastest 500.0 ms, slowest "
              "500.0 ms");
}

}  // namespace
}  // namespace fx::fxhost
