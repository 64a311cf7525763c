// The host's drawing: Drawbot images made from buffers in every pixel layout, drawn into
// a canvas at their place with their opacity, the drawing reference of an event's
// context, the project's dirty mark, and what the host refuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "AE_AdvEffectSuites.h"
#include "AE_EffectSuites.h"
#include "DrawbotSuite.h"
#include "simhost/drawing_canvas.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

using Pixel = std::array<std::uint8_t, 4>;  // blue, green, red, alpha as the canvas stores them

template <typename Suite>
const Suite* acquire(SimHost& host, const char* name, int version) {
    const void* table = nullptr;
    EXPECT_EQ(host.basic_suite()->AcquireSuite(name, version, &table), kSPNoError) << name << " " << version;
    return static_cast<const Suite*>(table);
}

class DrawingSuites : public ::testing::Test {
protected:
    void SetUp() override {
        draw_ = acquire<DRAWBOT_DrawbotSuite1>(host_, kDRAWBOT_DrawSuite, 1);
        supplier_ = acquire<DRAWBOT_SupplierSuite1>(host_, kDRAWBOT_SupplierSuite, 1);
        surface_ = acquire<DRAWBOT_SurfaceSuite2>(host_, kDRAWBOT_SurfaceSuite, 2);
        const auto* custom = acquire<PF_EffectCustomUISuite1>(host_, kPFEffectCustomUISuite, 1);
        ASSERT_EQ(custom->PF_GetDrawingReference(canvas_.context(), &reference_), PF_Err_NONE);
        ASSERT_EQ(draw_->GetSupplier(reference_, &supplier_ref_), 0);
        ASSERT_EQ(draw_->GetSurface(reference_, &surface_ref_), 0);
    }
    void TearDown() override {
        host_.basic_suite()->ReleaseSuite(kDRAWBOT_DrawSuite, 1);
        host_.basic_suite()->ReleaseSuite(kDRAWBOT_SupplierSuite, 1);
        host_.basic_suite()->ReleaseSuite(kDRAWBOT_SurfaceSuite, 2);
        host_.basic_suite()->ReleaseSuite(kPFEffectCustomUISuite, 1);
    }

    // One pixel in `layout`, drawn at (x, y) with `opacity`, then released.
    void draw_one(const std::vector<std::uint8_t>& bytes, DRAWBOT_PixelLayout layout, float x, float y,
                  float opacity = 1.0f) {
        DRAWBOT_ImageRef image = nullptr;
        ASSERT_EQ(supplier_->NewImageFromBuffer(supplier_ref_, 1, 1, static_cast<int>(bytes.size()), layout,
                                                bytes.data(), &image),
                  0);
        const DRAWBOT_PointF32 origin{x, y};
        EXPECT_EQ(surface_->DrawImage(surface_ref_, image, &origin, opacity), 0);
        EXPECT_EQ(supplier_->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(image)), 0);
    }

    SimHost host_;
    DrawingCanvas canvas_{16, 8};
    const DRAWBOT_DrawbotSuite1* draw_ = nullptr;
    const DRAWBOT_SupplierSuite1* supplier_ = nullptr;
    const DRAWBOT_SurfaceSuite2* surface_ = nullptr;
    DRAWBOT_DrawRef reference_ = nullptr;
    DRAWBOT_SupplierRef supplier_ref_ = nullptr;
    DRAWBOT_SurfaceRef surface_ref_ = nullptr;
};

TEST_F(DrawingSuites, EveryLayoutReadsItsChannelsInItsOrder) {
    struct Case {
        DRAWBOT_PixelLayout layout;
        std::vector<std::uint8_t> bytes;  // red 200, green 100, blue 50, opaque
    };
    const std::vector<Case> cases = {
        {kDRAWBOT_PixelLayout_24RGB, {200, 100, 50}},
        {kDRAWBOT_PixelLayout_24BGR, {50, 100, 200}},
        {kDRAWBOT_PixelLayout_32RGB, {0, 200, 100, 50}},
        {kDRAWBOT_PixelLayout_32BGR, {50, 100, 200, 0}},
        {kDRAWBOT_PixelLayout_32ARGB_Straight, {255, 200, 100, 50}},
        {kDRAWBOT_PixelLayout_32ARGB_Premul, {255, 200, 100, 50}},
        {kDRAWBOT_PixelLayout_32BGRA_Straight, {50, 100, 200, 255}},
        {kDRAWBOT_PixelLayout_32BGRA_Premul, {50, 100, 200, 255}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        draw_one(cases[i].bytes, cases[i].layout, static_cast<float>(i), 3.0f);
        EXPECT_EQ(canvas_.pixel(static_cast<int>(i), 3), (Pixel{50, 100, 200, 255})) << "layout " << cases[i].layout;
    }
    EXPECT_EQ(canvas_.pixel(8, 3), (Pixel{0, 0, 0, 0})) << "nothing drawn past the last";
    EXPECT_EQ(canvas_.live_images(), 0u);
}

TEST_F(DrawingSuites, StraightAlphaAndOpacityBlendOverTheCanvas) {
    canvas_.fill(255, 255, 255);
    // Half-transparent pure red: 255 * 0.502 + 255 * (1 - 0.502) on red, white's rest elsewhere.
    draw_one({0, 0, 255, 128}, kDRAWBOT_PixelLayout_32BGRA_Straight, 2, 2);
    const Pixel half = canvas_.pixel(2, 2);
    EXPECT_EQ(half[2], 255);
    EXPECT_NEAR(half[1], 127, 1);
    EXPECT_NEAR(half[0], 127, 1);
    // Opaque black at a quarter opacity over white.
    draw_one({0, 0, 0, 255}, kDRAWBOT_PixelLayout_32BGRA_Straight, 5, 2, 0.25f);
    const Pixel quarter = canvas_.pixel(5, 2);
    EXPECT_NEAR(quarter[0], 191, 1);
    EXPECT_NEAR(quarter[2], 191, 1);
    EXPECT_EQ(quarter[3], 255);
    EXPECT_EQ(canvas_.pixel(4, 2), (Pixel{255, 255, 255, 255}));
}

TEST_F(DrawingSuites, PaintRectFillsItsRectangle) {
    const DRAWBOT_ColorRGBA green{0.0f, 1.0f, 0.0f, 1.0f};
    const DRAWBOT_RectF32 rect{2, 1, 3, 2};
    EXPECT_EQ(surface_->PaintRect(surface_ref_, &green, &rect), 0);
    EXPECT_EQ(canvas_.pixel(2, 1), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(canvas_.pixel(4, 2), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(canvas_.pixel(5, 2), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(canvas_.pixel(2, 3), (Pixel{0, 0, 0, 0}));
}

TEST_F(DrawingSuites, BuffersThatDoNotDescribeAnImageAreRefused) {
    const std::uint8_t bytes[16] = {};
    struct Case {
        int width, height, row_bytes;
        DRAWBOT_PixelLayout layout;
        const void* data;
    };
    const std::vector<Case> cases = {
        {0, 1, 4, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes},
        {1, -1, 4, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes},
        {2, 1, 7, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes},  // row shorter than its pixels
        {1, 1, 4, 8, bytes},                                     // no such layout
        {1, 1, 4, kDRAWBOT_PixelLayout_32BGRA_Straight, nullptr},
        {1 << 13, 1 << 13, 1 << 15, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes},  // absurd size
    };
    for (const Case& c : cases) {
        DRAWBOT_ImageRef image = nullptr;
        EXPECT_NE(
            supplier_->NewImageFromBuffer(supplier_ref_, c.width, c.height, c.row_bytes, c.layout, c.data, &image), 0)
            << c.width << "x" << c.height << " row " << c.row_bytes << " layout " << c.layout;
        EXPECT_EQ(image, nullptr);
    }
    EXPECT_EQ(canvas_.live_images(), 0u);
}

TEST_F(DrawingSuites, UnknownReferencesAreMisusesNotCrashes) {
    int not_a_canvas = 0;
    DRAWBOT_SupplierRef supplier = nullptr;
    EXPECT_NE(draw_->GetSupplier(reinterpret_cast<DRAWBOT_DrawRef>(&not_a_canvas), &supplier), 0);
    EXPECT_EQ(supplier, nullptr);
    EXPECT_NE(supplier_->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(&not_a_canvas)), 0);
    const DRAWBOT_PointF32 origin{0, 0};
    EXPECT_NE(surface_->DrawImage(surface_ref_, reinterpret_cast<DRAWBOT_ImageRef>(&not_a_canvas), &origin, 1.0f), 0);
    EXPECT_EQ(host_.misuses().size(), 3u);
}

TEST_F(DrawingSuites, ImagesNotReleasedAreCountedAndFreedWithTheCanvas) {
    const std::uint8_t bytes[4] = {1, 2, 3, 255};
    DRAWBOT_ImageRef image = nullptr;
    ASSERT_EQ(
        supplier_->NewImageFromBuffer(supplier_ref_, 1, 1, 4, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes, &image), 0);
    EXPECT_EQ(canvas_.live_images(), 1u);
    EXPECT_EQ(host_.log().count("NewImageFromBuffer"), 1u);
}

TEST_F(DrawingSuites, InjectedFaultsAnswerTheirCode) {
    const std::uint8_t bytes[4] = {1, 2, 3, 255};
    DRAWBOT_ImageRef image = nullptr;
    ASSERT_EQ(
        supplier_->NewImageFromBuffer(supplier_ref_, 1, 1, 4, kDRAWBOT_PixelLayout_32BGRA_Straight, bytes, &image), 0);
    host_.faults().fail_always("DrawImage", 7);
    const DRAWBOT_PointF32 origin{0, 0};
    EXPECT_EQ(surface_->DrawImage(surface_ref_, image, &origin, 1.0f), 7);
    EXPECT_EQ(canvas_.pixel(0, 0), (Pixel{0, 0, 0, 0})) << "a refused draw leaves the canvas alone";
    EXPECT_EQ(supplier_->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(image)), 0);
}

TEST_F(DrawingSuites, CanvasWritesAPng) {
    canvas_.fill(10, 20, 30);
    const std::string path = ::testing::TempDir() + "canvas_" + std::to_string(getpid()) + ".png";
    ASSERT_TRUE(canvas_.write_png(path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char signature[8] = {};
    EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
    std::fclose(file);
    std::remove(path.c_str());
    EXPECT_EQ(signature[1], 'P');
    EXPECT_EQ(signature[2], 'N');
    EXPECT_EQ(signature[3], 'G');
}

TEST(ProjectDirty, MarkingTheProjectChangedIsRecorded) {
    SimHost host;
    const auto* app = acquire<PF_AdvAppSuite1>(host, kPFAdvAppSuite, 1);
    EXPECT_EQ(app->PF_SetProjectDirty(), PF_Err_NONE);
    EXPECT_EQ(host.log().count("PF_SetProjectDirty"), 1u);
    host.faults().fail_always("PF_SetProjectDirty", PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(app->PF_SetProjectDirty(), PF_Err_OUT_OF_MEMORY);
    host.basic_suite()->ReleaseSuite(kPFAdvAppSuite, 1);
}

}  // namespace
}  // namespace fx
