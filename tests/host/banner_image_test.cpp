#include "host/banner_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace fx {
namespace {

TEST(BannerImage, TheLibraryCarriesAWholeLogoWithinItsLimit) {
    EXPECT_TRUE(banner_present(banner_stored_size()));
    EXPECT_LE(banner_stored_size(), 30000u);
    const std::vector<std::uint8_t> rgb = unpack_banner();
    ASSERT_EQ(rgb.size(), 128u * 128u * 3u);
    // Not one flat colour: a logo has at least two.
    bool varies = false;
    for (std::size_t i = 3; i < rgb.size() && !varies; ++i) varies = rgb[i] != rgb[i % 3];
    EXPECT_TRUE(varies);
}

TEST(BannerImage, PairsRoundTripAndRunsStopAt255) {
    std::vector<std::uint8_t> bytes(1000, 7);
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<std::uint8_t>(random() % 3));
    const std::vector<std::uint8_t> pairs = pack_run_length_pairs(bytes);
    ASSERT_GE(pairs.size(), 8u);
    EXPECT_EQ(pairs[0], 7);
    EXPECT_EQ(pairs[1], 255);
    EXPECT_EQ(pairs[7], 1000 - 3 * 255);
    EXPECT_EQ(unpack_run_length_pairs(pairs, bytes.size()), bytes);
}

struct DamagedRow {
    const char* label;
    std::vector<std::uint8_t> pairs;
};

void PrintTo(const DamagedRow& row, std::ostream* os) { *os << row.label; }

class DamagedPairs : public ::testing::TestWithParam<DamagedRow> {};

TEST_P(DamagedPairs, UnpackToNothing) { EXPECT_TRUE(unpack_run_length_pairs(GetParam().pairs, 6).empty()); }

INSTANTIATE_TEST_SUITE_P(Rows, DamagedPairs,
                         ::testing::Values(DamagedRow{"odd_length", {1, 3, 2, 3, 9}},
                                           DamagedRow{"zero_count", {1, 3, 2, 0, 2, 3}},
                                           DamagedRow{"too_long", {1, 3, 2, 4}}, DamagedRow{"too_short", {1, 3, 2, 2}}),
                         [](const ::testing::TestParamInfo<DamagedRow>& info) {
                             return std::string(info.param.label);
                         });

}  // namespace
}  // namespace fx
