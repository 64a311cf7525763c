#include "simhost/pictures/numbered_pattern.h"

#include <gtest/gtest.h>

#include "simhost/pictures/default_pictures.h"
#include "simhost/pictures/picture.h"

namespace fx::pictures {
namespace {

TEST(NumberedPattern, BuildsNamesFromTheNumberField) {
    struct Case {
        const char* pattern;
        long long number;
        const char* name;
    };
    for (const Case& c :
         {Case{"clip_%04d.png", 7, "clip_0007.png"}, Case{"clip_%04d.png", 123456, "clip_123456.png"},
          Case{"%d.png", 42, "42.png"}, Case{"a%%b_%02d_%%.png", 3, "a%b_03_%.png"}, Case{"dir/f%d", -2, "dir/f-2"}}) {
        const auto pattern = parse_numbered_pattern(c.pattern);
        ASSERT_TRUE(pattern) << c.pattern;
        EXPECT_EQ(pattern->name(c.number), c.name) << c.pattern;
    }
}

TEST(NumberedPattern, PlainNamesHaveNoPatternAndBadFieldsAreRefused) {
    EXPECT_FALSE(parse_numbered_pattern("photo.png"));
    EXPECT_FALSE(parse_numbered_pattern("100%%.png"));
    for (const char* bad : {"a%s.png", "a%4d.png", "a%012d.png", "a%00d.png", "%d_%d.png", "end%", "a%0"})
        EXPECT_THROW(parse_numbered_pattern(bad), PictureError) << bad;
}

double mean(const Picture& picture, int channel) {
    double sum = 0;
    for (std::size_t i = channel; i < picture.rgba.size(); i += 4) sum += picture.rgba[i];
    return sum / (picture.rgba.size() / 4) / kWhite;
}

TEST(DefaultPictures, AreOpaqueWarmAndCoolAtTheAskedSize) {
    const Picture warm = warm_default_picture(64, 36);
    const Picture cool = cool_default_picture(64, 36);
    ASSERT_EQ(warm.width, 64);
    ASSERT_EQ(cool.height, 36);
    EXPECT_GT(mean(warm, 0), mean(warm, 2) + 0.3);
    EXPECT_GT(mean(cool, 2), mean(cool, 0) + 0.2);
    EXPECT_DOUBLE_EQ(mean(warm, 3), 1.0);
    EXPECT_DOUBLE_EQ(mean(cool, 3), 1.0);
    int differing = 0;
    for (std::size_t i = 0; i < warm.rgba.size(); i += 4) differing += warm.rgba[i] != cool.rgba[i];
    EXPECT_GT(differing, 64 * 36 * 9 / 10);
}

}  // namespace
}  // namespace fx::pictures
