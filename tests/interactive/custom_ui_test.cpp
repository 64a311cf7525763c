// The custom controls through EffectMain: the banner's logo and an image parameter's
// thumbnail drawn into the host's canvas, and clicks on the image control's buttons.
#include <cstring>

#include "host/banner_image.h"
#include "host/image_records.h"
#include "panel_fixture.h"
#include "simhost/custom_ui_events.h"

namespace fx::test {
namespace {

// Slot 1 the banner, slot 2 the picture (image index 0), then floats up to slot 6, the
// parameter Premiere Pro is nudged through.
const char* const controls =
    "[par1]\nname=Banner\ntype=custom\n"
    "[par2]\nname=Picture\ntype=image\n"
    "[par3]\nname=Three\ntype=float\n[par4]\nname=Four\ntype=float\n"
    "[par5]\nname=Five\ntype=float\n[par6]\nname=Six\ntype=float\n";
const char* const control_size = "imgwidth=40\nimgheight=50\n";
constexpr int kBanner = 1;
constexpr int kPicture = 2;
constexpr int kWidth = 40;  // the thumbnail; the control is 25 pixels wider
constexpr int kHeight = 50;
const PF_LRect kPictureFrame{12, 30, 12 + kWidth + 25, 30 + kHeight};

class CustomUi : public PanelTest {
protected:
    void SetUp() override { start(controls, control_size); }

    // Runs `edit` on the live holder of the picture parameter.
    template <class Edit>
    void edit_holder(Edit edit) {
        PF_Handle handle = plugin_.sequence_data();
        auto* live = static_cast<SequenceState*>(host_.handles().lock(handle));
        ASSERT_NE(live, nullptr);
        ASSERT_NE(live->images[0], nullptr);
        edit(*live->images[0]);
        host_.handles().unlock(handle);
    }

    CommandResult draw(int index, const PF_LRect& frame, PF_EffectArea area = PF_EA_CONTROL) {
        last_event_ = draw_event(index, frame, canvas_, area);
        return plugin_.call(PF_Cmd_EVENT, &last_event_);
    }
    CommandResult click(int x, int y, MouseButton held = MouseButton::left) {
        last_event_ = click_event(kPicture, kPictureFrame, x, y);
        return deliver_click(plugin_, last_event_, held);
    }

    // The image reference the picture parameter holds after the click; "" when none.
    std::string requested_image(const CommandResult&) {
        const SequenceState s = state();
        return s.image_paths[0] != nullptr ? s.image_paths[0] : "";
    }

    void give_siblings(int count, int current) {
        edit_holder([&](ImageHolder& holder) {
            holder.siblings.clear();
            for (int i = 0; i < count; ++i) holder.siblings.push_back("/pictures/p" + std::to_string(i) + ".png");
            holder.sibling_index = current;
        });
    }

    DrawingCanvas canvas_{240, 200};
    PF_EventExtra last_event_{};
};

TEST_F(CustomUi, BannerShowsTheLogoAtItsControlsPlace) {
    canvas_.fill(10, 20, 30);
    const PF_LRect frame{30, 40, 30 + 128, 40 + 128};
    const CommandResult r = draw(kBanner, frame);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_HANDLED_EVENT);
    const std::vector<std::uint8_t> rgb = unpack_banner();
    ASSERT_EQ(rgb.size(), 128u * 128u * 3u);
    int wrong = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const auto p = canvas_.pixel(30 + x, 40 + y);
            const std::uint8_t* want = &rgb[(static_cast<std::size_t>(y) * 128 + x) * 3];
            if (p[0] != want[2] || p[1] != want[1] || p[2] != want[0] || p[3] != 255) ++wrong;
        }
    EXPECT_EQ(wrong, 0) << "logo pixels differing from the packed banner";
    using Pixel = std::array<std::uint8_t, 4>;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{29, 40}, {30, 39}, {158, 100}, {100, 168}})
        EXPECT_EQ(canvas_.pixel(x, y), (Pixel{30, 20, 10, 255})) << "outside the control at " << x << "," << y;
    EXPECT_EQ(canvas_.live_images(), 0u) << "the drawn image was not released";
}

TEST_F(CustomUi, LogoHandleIsMadeOnceAcrossDraws) {
    ASSERT_EQ(draw(kBanner, {0, 0, 128, 128}).result, PF_Err_NONE);
    const PF_Handle first = global().resource_handle;
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(draw(kBanner, {50, 60, 178, 188}).result, PF_Err_NONE);
    EXPECT_EQ(global().resource_handle, first);
    const auto made = host_.log().calls_named("host_new_handle");
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].args.substr(0, made[0].args.find(' ')), "65536");
    EXPECT_EQ(host_.log().count("DrawImage"), 2u);
}

TEST_F(CustomUi, TitleAreaIsNotDrawnButHandled) {
    canvas_.fill(1, 2, 3);
    const CommandResult r = draw(kBanner, {0, 0, 128, 128}, PF_EA_PARAM_TITLE);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_HANDLED_EVENT);
    EXPECT_EQ(host_.log().count("DrawImage"), 0u);
    EXPECT_EQ(canvas_.pixel(5, 5), (std::array<std::uint8_t, 4>{3, 2, 1, 255}));
}

TEST_F(CustomUi, ImageControlInItsInitialStateShowsItsThumbnail) {
    std::vector<std::uint8_t> thumb;
    edit_holder([&](ImageHolder& holder) {
        EXPECT_FALSE(holder.full.empty()) << "a new instance shows the placeholder";
        thumb = holder.thumb.pixels;
    });
    ASSERT_EQ(thumb.size(), static_cast<std::size_t>(kWidth + 25) * kHeight * 4);
    canvas_.fill(0, 0, 0);
    const CommandResult r = draw(kPicture, kPictureFrame);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_HANDLED_EVENT);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth + 25; ++x) {
            const auto p = canvas_.pixel(kPictureFrame.left + x, kPictureFrame.top + y);
            const std::uint8_t* want = &thumb[(static_cast<std::size_t>(y) * (kWidth + 25) + x) * 4];
            // The thumbnail's alpha is 255 everywhere, so the canvas holds its bytes as they are.
            if (p[0] != want[0] || p[1] != want[1] || p[2] != want[2] || p[3] != 255) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(CustomUi, ImageControlWithoutPictureIsLeftToTheHost) {
    edit_holder([](ImageHolder& holder) { holder.full = Image{}; });
    canvas_.fill(1, 2, 3);
    const CommandResult r = draw(kPicture, kPictureFrame);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_NONE);
    EXPECT_EQ(host_.log().count("PF_GetDrawingReference"), 0u);
    EXPECT_EQ(canvas_.pixel(20, 40), (std::array<std::uint8_t, 4>{3, 2, 1, 255}));
}

TEST_F(CustomUi, ImageControlShowsItsThumbnailPixels) {
    const int control = kWidth + 25;
    edit_holder([&](ImageHolder& holder) {
        holder.full = Image{1, 1, 3, {9, 9, 9}};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < control; ++x) {
                std::uint8_t* p = &holder.thumb.pixels[(static_cast<std::size_t>(y) * control + x) * 4];
                p[0] = static_cast<std::uint8_t>(x * 3);
                p[1] = static_cast<std::uint8_t>(y * 5);
                p[2] = static_cast<std::uint8_t>(x + y);
                p[3] = 255;
            }
    });
    canvas_.fill(0, 0, 0);
    const CommandResult r = draw(kPicture, kPictureFrame);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_HANDLED_EVENT);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < control; ++x) {
            const auto p = canvas_.pixel(kPictureFrame.left + x, kPictureFrame.top + y);
            if (p[0] != x * 3 || p[1] != y * 5 || p[2] != x + y || p[3] != 255) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    const auto made = host_.log().calls_named("NewImageFromBuffer");
    ASSERT_EQ(made.size(), 1u);
    EXPECT_NE(made[0].args.find(", 65, 50, 260, 6, "), std::string::npos) << made[0].args;
}

TEST_F(CustomUi, FailedDrawingReferenceEndsTheDrawingButIsHandled) {
    host_.faults().fail_always("PF_GetDrawingReference", PF_Err_OUT_OF_MEMORY);
    const CommandResult r = draw(kBanner, {0, 0, 128, 128});
    EXPECT_EQ(r.result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(last_event_.evt_out_flags, PF_EO_HANDLED_EVENT);
    EXPECT_EQ(host_.log().count("GetSupplier"), 0u);
    EXPECT_EQ(host_.log().count("DrawImage"), 0u);
}

// Where a click lands and what it must do: with siblings p0..p3 and the current one p1.
struct ClickCase {
    int x, y;
    bool opens_dialog;
    std::string loads;  // with the dialog answering /chosen.png
};

TEST_F(CustomUi, EachButtonDoesWhatItsGlyphSays) {
    const std::vector<ClickCase> cases = {
        {kWidth, 5, true, "/chosen.png"},             // the thumbnail's right edge
        {kWidth + 1, 16, false, "/pictures/p2.png"},  // next
        {kWidth + 1, 0, false, "/pictures/p2.png"},   // next, top row
        {kWidth + 1, 17, false, "/pictures/p0.png"},  // previous
        {kWidth + 1, 33, false, "/pictures/p0.png"},  // previous, last row
        {kWidth + 1, 34, true, "/chosen.png"},        // choose a file
        {kWidth + 24, 49, true, "/chosen.png"},       // choose a file, bottom corner
        {3, 3, true, "/chosen.png"},                  // the thumbnail itself
    };
    for (const ClickCase& c : cases) {
        give_siblings(4, 1);
        answers("/chosen.png\n");
        host_.log().clear();
        const CommandResult r = click(c.x, c.y);
        EXPECT_EQ(r.result, PF_Err_NONE) << c.x << "," << c.y;
        EXPECT_EQ(requested_image(r), c.loads) << c.x << "," << c.y;
        EXPECT_EQ(r.out.out_flags & PF_OutFlag_FORCE_RERENDER, PF_OutFlag_FORCE_RERENDER) << c.x << "," << c.y;
        // A dialog that was not asked leaves its answer for the next one.
        if (!c.opens_dialog) {
            EXPECT_EQ(requested_image(click(3, 3)), "/chosen.png") << c.x << "," << c.y;
        }
        EXPECT_EQ(host_.log().count("PF_UpdateParamUI"), 0u) << "only Premiere Pro is nudged";
    }
}

TEST_F(CustomUi, ArrowsWrapAtBothEnds) {
    give_siblings(4, 0);
    EXPECT_EQ(requested_image(click(kWidth + 5, 20)), "/pictures/p3.png");
    give_siblings(4, 3);
    EXPECT_EQ(requested_image(click(kWidth + 5, 10)), "/pictures/p0.png");
}

TEST_F(CustomUi, WithoutSiblingsTheArrowsChooseAFile) {
    answers("/alone.png\n");
    EXPECT_EQ(requested_image(click(kWidth + 5, 5)), "/alone.png");
}

TEST_F(CustomUi, CancelledDialogLoadsNothing) {
    answers("cancel\n");
    const CommandResult r = click(kWidth + 5, 40);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(requested_image(r), "");
    EXPECT_EQ(r.out.out_flags & PF_OutFlag_FORCE_RERENDER, PF_OutFlag_FORCE_RERENDER);
}

TEST_F(CustomUi, ClickWithoutAButtonHeldDoesNothing) {
    give_siblings(4, 1);
    answers("/late.png\n");
    const CommandResult r = click(kWidth + 5, 5, MouseButton::none);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(requested_image(r), "");
    EXPECT_EQ(r.out.out_flags, 0);
    EXPECT_EQ(requested_image(click(3, 3)), "/late.png") << "the dialog was not asked before";
    for (const MouseButton held : {MouseButton::right, MouseButton::middle}) {
        answers("/held.png\n");
        EXPECT_EQ(requested_image(click(3, 3, held)), "/held.png");
    }
}

TEST_F(CustomUi, ClickOnAnotherControlIsIgnored) {
    answers("/other.png\n");
    last_event_ = click_event(kBanner, {0, 0, 128, 128}, 3, 3);
    const CommandResult r = deliver_click(plugin_, last_event_, MouseButton::left);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.out_flags, 0);
    EXPECT_EQ(requested_image(click(3, 3)), "/other.png") << "the dialog was not asked before";
}

TEST_F(CustomUi, PremiereProIsNudgedThroughParameterSix) {
    premiere();
    give_siblings(2, 0);
    const double before = param(6).u.fs_d.value;
    const CommandResult r = click(kWidth + 5, 5);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(requested_image(r), "/pictures/p1.png");
    EXPECT_EQ(r.out.out_flags & (PF_OutFlag_FORCE_RERENDER | PF_OutFlag_REFRESH_UI),
              PF_OutFlag_FORCE_RERENDER | PF_OutFlag_REFRESH_UI);
    EXPECT_EQ(updated_indices().back(), 6);
    EXPECT_DOUBLE_EQ(param(6).u.fs_d.value, before + 0.0000001);
    EXPECT_EQ(param(6).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
}

TEST_F(CustomUi, FailedNudgeIsTheClicksResult) {
    premiere();
    host_.faults().fail_always("PF_UpdateParamUI", PF_Err_OUT_OF_MEMORY);
    answers("cancel\n");
    EXPECT_EQ(click(3, 3).result, PF_Err_OUT_OF_MEMORY);
}

}  // namespace
}  // namespace fx::test
