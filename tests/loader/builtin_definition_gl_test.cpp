// The shipped definition through the real renderer: every pass compiles for every
// shape and grain setting, and the transition starts on the outgoing picture, ends on
// the incoming clip and shows both on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"
#include "tests/render/gl_test_support.h"

namespace fx {
namespace {

constexpr int width = 48;
constexpr int height = 32;

class BuiltinDefinitionGlTest : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        env_.set("XDG_DATA_HOME", temp_ / "user");
        env_.set("XDG_DATA_DIRS", temp_ / "common");
        env_.set(kDefinitionFileVariable, std::nullopt);
        auto def = std::make_unique<EffectDefinition>();
        ::testing::internal::CaptureStdout();
        load_definition(*def, builtin_text(BuiltinText::definition), platform_parse_environment());
        ::testing::internal::GetCapturedStdout();
        progress_slot_ = def->find_param("Transition");
        shape_slot_ = def->find_param("SHAPE");
        grain_slot_ = def->find_param("GRAIN");
        ASSERT_GT(progress_slot_, 0);
        ASSERT_GT(shape_slot_, 0);
        ASSERT_GT(grain_slot_, 0);
        run_ = std::make_unique<test::RenderRun>(std::move(def));
        // Every slot starts at its default, converted as the render drivers convert values.
        const EffectDefinition& d = run_->definition();
        for (int slot = 0; slot < d.settings.param_count; ++slot)
            for (int c = 0; c < 3; ++c) run_->frame().values[slot][c] = d.params[slot].default_value[c];
        run_->frame().values[d.find_param("Direction")][0] *= 3.1415927f / 180.0f;
        run_->set_input(0, outgoing_);
        run_->set_input(1, incoming_);
        run_->set_input(2, pattern_);
    }

    static test::StagedPicture solid(float r, float g, float b) {
        std::vector<float> rgba;
        for (int i = 0; i < width * height; ++i) rgba.insert(rgba.end(), {r, g, b, 1.0f});
        return test::float_picture(width, height, rgba);
    }

    static test::StagedPicture horizontal_ramp() {
        std::vector<float> rgba;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                float v = (x + 0.5f) / width;
                rgba.insert(rgba.end(), {v, v, v, 1.0f});
            }
        return test::float_picture(width, height, rgba);
    }

    void glow_off() { run_->frame().values[run_->definition().find_param("GlowAmount")][0] = 0.0f; }

    void render_at(float progress) {
        run_->frame().values[progress_slot_][0] = progress;
        ASSERT_TRUE(run_->render()) << run_->renderer().error_text();
        ASSERT_STREQ(run_->renderer().error_text(), "");
    }

    // How far pixel (x, y) is from the outgoing red towards the incoming blue: 0 .. 1.
    float blue_share(int x, int y) const {
        // Meant for renders with the glow off, where only the two pictures mix.
        float red = run_->at(x, y, 0), blue = run_->at(x, y, 2);
        return blue / std::max(red + blue, 1e-6f);
    }

    test::TempFolder temp_;
    test::ScopedEnv env_;
    test::StagedPicture outgoing_ = solid(0.8f, 0.0f, 0.0f);
    test::StagedPicture incoming_ = solid(0.0f, 0.0f, 0.8f);
    test::StagedPicture pattern_ = horizontal_ramp();
    std::unique_ptr<test::RenderRun> run_;
    int progress_slot_ = -1, shape_slot_ = -1, grain_slot_ = -1;
};

TEST_F(BuiltinDefinitionGlTest, EveryShapeAndGrainSettingCompilesAndShapesDiffer) {
    const std::vector<std::string>& shapes = run_->definition().params[shape_slot_].items;
    ASSERT_EQ(shapes.size(), 5u);
    outgoing_ = horizontal_ramp();
    run_->set_input(0, outgoing_);
    glow_off();
    std::vector<std::vector<float>> pictures;
    for (int grain = 0; grain <= 1; ++grain)
        for (size_t shape = 0; shape < shapes.size(); ++shape) {
            run_->frame().values[shape_slot_][0] = static_cast<float>(shape);
            run_->frame().values[grain_slot_][0] = static_cast<float>(grain);
            run_->rebuild_programs();
            EXPECT_STREQ(run_->renderer().error_text(), "") << shapes[shape] << " grain " << grain;
            render_at(0.5f);
            if (grain == 0) pictures.push_back(run_->output());
        }
    // Each choice reaches the shaders as its own define: no two shapes draw the same front.
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]) << shapes[a] << " and " << shapes[b] << " look the same";
}

TEST_F(BuiltinDefinitionGlTest, CustomEasingTextCompiles) {
    run_->renderer().set_define("EASING", "t * t");
    run_->rebuild_programs();
    EXPECT_STREQ(run_->renderer().error_text(), "");
}

TEST_F(BuiltinDefinitionGlTest, StartsOnTheOutgoingPictureAndEndsOnTheIncomingClip) {
    render_at(0.0f);
    for (auto [x, y] : {std::pair{0, 0}, {width / 2, height / 2}, {width - 1, height - 1}}) {
        EXPECT_NEAR(run_->at(x, y, 0), 0.8f, 0.02f) << x << "," << y;
        EXPECT_NEAR(run_->at(x, y, 2), 0.0f, 0.02f) << x << "," << y;
    }
    render_at(1.0f);
    for (auto [x, y] : {std::pair{0, 0}, {width / 2, height / 2}, {width - 1, height - 1}}) {
        EXPECT_NEAR(run_->at(x, y, 0), 0.0f, 0.02f) << x << "," << y;
        EXPECT_NEAR(run_->at(x, y, 2), 0.8f, 0.02f) << x << "," << y;
    }
}

TEST_F(BuiltinDefinitionGlTest, RadialFrontRevealsTheCentreFirst) {
    run_->frame().values[shape_slot_][0] = 0.0f;  // Radial
    glow_off();
    render_at(0.45f);
    EXPECT_GT(blue_share(width / 2, height / 2), 0.9f);
    EXPECT_LT(blue_share(0, 0), 0.1f);
    EXPECT_LT(blue_share(width - 1, height - 1), 0.1f);
}

TEST_F(BuiltinDefinitionGlTest, PatternShapeFollowsThePatternImage) {
    run_->frame().values[shape_slot_][0] = 3.0f;  // Pattern: dark parts of the image go first
    glow_off();
    render_at(0.5f);
    EXPECT_GT(blue_share(2, height / 2), 0.9f);
    EXPECT_LT(blue_share(width - 3, height / 2), 0.1f);
}

TEST_F(BuiltinDefinitionGlTest, GlowColoursTheFrontOnly) {
    run_->frame().values[shape_slot_][0] = 1.0f;  // Linear
    render_at(0.0f);
    float green_at_start = run_->at(width / 2, height / 2, 1);
    render_at(0.5f);
    float most_green = 0.0f;
    for (int x = 0; x < width; ++x) most_green = std::max(most_green, run_->at(x, height / 2, 1));
    EXPECT_LT(green_at_start, 0.02f);
    EXPECT_GT(most_green, 0.1f) << "the orange edge glow adds green along the front";
}

}  // namespace
}  // namespace fx
