#include "host/image_records.h"

#include <gtest/gtest.h>

namespace fx {
namespace {

TEST(ImageRecords, ANewHolderHasOnlyItsThumbnailBuffer) {
    const std::unique_ptr<ImageHolder> holder = create_image_holder(50, 50);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->thumb.pixels.size(), 15000u);
    EXPECT_TRUE(holder->full.empty());
    EXPECT_EQ(holder->full.width, 0u);
    EXPECT_EQ(holder->full.height, 0u);
    EXPECT_TRUE(holder->full.pixels.empty());
    EXPECT_TRUE(holder->label.empty());
    EXPECT_TRUE(holder->siblings.empty());
    EXPECT_EQ(holder->sibling_index, 0);
    EXPECT_EQ(holder->min_sample, 0.0f);
    EXPECT_EQ(holder->max_sample, 1.0f);
}

TEST(ImageRecords, ThumbnailSizeFollowsTheControl) {
    EXPECT_EQ(thumbnail_size(40, 30), (40u + 25u) * 30u * 4u);
    EXPECT_EQ(thumbnail_size(1, 1), 26u * 4u);
    EXPECT_EQ(thumbnail_size(-5, 10), 25u * 10u * 4u) << "a negative width is no width";
    EXPECT_EQ(thumbnail_size(10, -1), 0u);
}

TEST(ImageRecords, APictureIsEmptyUntilItHasSizeAndPixels) {
    Image image;
    EXPECT_TRUE(image.empty());
    image.width = 2;
    image.height = 1;
    EXPECT_TRUE(image.empty());
    image.pixels.assign(6, 0);
    EXPECT_FALSE(image.empty());
}

}  // namespace
}  // namespace fx
