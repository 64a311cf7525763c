// The edges of a frame render through EffectMain: aborts and failing host calls release
// everything, sequence data found through the host's suite, layer times, layers that
// show nothing or are disabled, full-frame results, the cache key and the value range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AE_GeneralPlug.h"
#include "host/global_state.h"
#include "host/image_records.h"
#include "host/sequence_state.h"
#include "simhost/effect_instance.h"
#include "tests/host/frame_test_support.h"
#include "tests/render/gl_test_support.h"

namespace fx {
namespace {

using test::DefinitionFile;

// An identity pass under the given settings lines.
std::string identity_definition(const std::string& settings = "") {
    return "[settings]\nname=Identity\n" + settings +
           "[ps0]\n#version 120\nuniform sampler2D in0;\nuniform vec2 resolution;\n"
           "void main() { gl_FragColor = texture2D(in0, gl_FragCoord.xy / resolution); }\n";
}

// Shows a second layer, fetched `default` x frames later in time mode 0, its offset
// multiplied by the Timing popup (special code 994: the item's text as a number).
const std::string kOtherLayerDefinition =
    "[settings]\nname=Other\n"
    "[par1]\nname=Timing\nparam=Timing\ntype=popup\ntext=0|1\nflags=994\ndefault=0\n"
    "[par2]\nname=Other\nparam=Other\ntype=layer\nflags=1\ndefault=2|0\n"
    "[ps0]\n#version 120\nuniform sampler2D Other;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(Other, gl_FragCoord.xy / resolution); }\n";

HostSettings small_frame(PF_PixelFormat format = PF_PixelFormat_ARGB32, int width = 6, int height = 4) {
    HostSettings settings;
    settings.pixel_format = format;
    settings.width = width;
    settings.height = height;
    settings.row_padding = 8;
    settings.iterate_threads = 2;
    return settings;
}

const RenderPath kPaths[] = {RenderPath::smart, RenderPath::classic};
const char* path_name(RenderPath path) { return path == RenderPath::smart ? "smart" : "classic"; }

class FrameEdgesGl : public test::GlTest {
protected:
    void TearDown() override { EXPECT_EQ(live_host_worlds(), 0u) << "host worlds outlived their frames"; }
};

TEST_F(FrameEdgesGl, AnAbortOrAFailingConversionEndsTheFrameAndReleasesEveryBuffer) {
    const DefinitionFile definition(identity_definition());
    for (const RenderPath path : kPaths) {
        SCOPED_TRACE(path_name(path));
        SimHost host(small_frame());
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const std::size_t kept = host.handles().live_count();
        effect.set_input(Clip{{test::ramp_picture(6, 4)}});

        host.set_abort_result(PF_Interrupt_CANCEL);
        const RenderedFrame aborted = effect.render(0, path);
        EXPECT_EQ(aborted.result, PF_Interrupt_CANCEL);
        EXPECT_EQ(aborted.output->pixel_bytes(), std::vector<std::uint8_t>(6 * 4 * 4, 0)) << "nothing was drawn";
        test::expect_host_account_clean(host, kept);
        host.set_abort_result(PF_Err_NONE);

        host.faults().fail_nth("iterate_generic", host.faults().calls_seen("iterate_generic") + 1,
                               PF_Err_OUT_OF_MEMORY);
        const RenderedFrame failed = effect.render(0, path);
        EXPECT_EQ(failed.result, PF_Err_OUT_OF_MEMORY) << "the converter's error is the frame's";
        test::expect_host_account_clean(host, kept);

        // Smart: the pre-render block, the input's staging, the output's; classic: the last two.
        const int allocations = path == RenderPath::smart ? 3 : 2;
        for (int nth = 1; nth <= allocations; ++nth) {
            const int seen = host.faults().calls_seen("host_new_handle");
            host.faults().fail_nth("host_new_handle", seen + nth, PF_Err_OUT_OF_MEMORY);
            const RenderedFrame no_memory = effect.render(0, path);
            EXPECT_EQ(no_memory.result, PF_Err_OUT_OF_MEMORY) << "allocation " << nth << " refused";
            test::expect_host_account_clean(host, kept);
        }

        const RenderedFrame again = effect.render(0, path);
        EXPECT_EQ(again.result, PF_Err_NONE) << again.message;
        EXPECT_EQ(again.output->pixel_bytes(), test::world_bytes(test::ramp_picture(6, 4), PF_PixelFormat_ARGB32));
    }
}

TEST_F(FrameEdgesGl, WithoutSequenceDataInTheCommandTheHostsSuiteFindsIt) {
    const DefinitionFile definition(identity_definition());
    SimHost host(small_frame());
    EffectInstance effect(host, FX_PLUGIN_PATH);
    const Picture input = test::ramp_picture(6, 4);
    effect.set_input(Clip{{input}});
    const PF_Handle sequence = effect.plugin().sequence_data();
    effect.plugin().set_sequence_data(nullptr);
    host.set_instance_sequence_data(sequence);

    // One command, so the host still names the instance's data when the render asks.
    const RenderedFrame found = effect.render(0, RenderPath::classic);
    EXPECT_EQ(found.result, PF_Err_NONE) << found.message;
    EXPECT_EQ(found.output->pixel_bytes(), test::world_bytes(input, PF_PixelFormat_ARGB32));
    EXPECT_GT(host.log().count("PF_GetConstSequenceData"), 0u);

    host.suites().refuse(kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1, PF_Err_BAD_CALLBACK_PARAM);
    const RenderedFrame refused = effect.render(0);
    EXPECT_EQ(refused.result, 13);
    EXPECT_EQ(refused.message, "Not able to acquire AEFX Suite.");
    host.suites().allow(kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1);
    effect.plugin().set_sequence_data(sequence);
    test::expect_host_account_clean(host, 2);
}

TEST_F(FrameEdgesGl, ALayerIsFetchedAtItsOffsetOnceTheMultiplierAsksForIt) {
    const DefinitionFile definition(kOtherLayerDefinition);
    for (const RenderPath path : kPaths) {
        SCOPED_TRACE(path_name(path));
        SimHost host(small_frame());
        EffectInstance effect(host, FX_PLUGIN_PATH);
        Clip clip;
        for (int frame = 0; frame < 8; ++frame) clip.frames.push_back(test::ramp_picture(6, 4, frame + 1));
        const PF_ParamIndex other = effect.param_index("Other");
        ASSERT_GT(other, 0);
        effect.set_layer(other, clip);

        const RenderedFrame now = effect.render(3, path);
        ASSERT_EQ(now.result, PF_Err_NONE) << now.message;
        EXPECT_EQ(now.output->pixel_bytes(), test::world_bytes(clip.frames[3], PF_PixelFormat_ARGB32))
            << "multiplier 0: the current frame";

        effect.set_popup(effect.param_index("Timing"), 2);  // item "1"
        const RenderedFrame later = effect.render(3, path);
        ASSERT_EQ(later.result, PF_Err_NONE) << later.message;
        EXPECT_EQ(later.output->pixel_bytes(), test::world_bytes(clip.frames[5], PF_PixelFormat_ARGB32))
            << "multiplier 1: two frames later";
        test::expect_host_account_clean(host, 2);
    }
}

TEST_F(FrameEdgesGl, ALayerParameterThatSelectsNoLayerShowsTheEffectsInput) {
    const DefinitionFile definition(kOtherLayerDefinition);
    for (const RenderPath path : kPaths) {
        SCOPED_TRACE(path_name(path));
        SimHost host(small_frame());
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const Picture input = test::ramp_picture(6, 4, 5);
        effect.set_input(Clip{{input}});
        const RenderedFrame frame = effect.render(0, path);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        EXPECT_EQ(frame.output->pixel_bytes(), test::world_bytes(input, PF_PixelFormat_ARGB32));
        test::expect_host_account_clean(host, 2);
    }
}

TEST_F(FrameEdgesGl, ADisabledLayerKeepsTheTextureOfTheLastFrameThatUploadedIt) {
    for (const bool always_staged : {false, true}) {
        SCOPED_TRACE(always_staged ? "flags 555: staged even while disabled" : "disabled");
        std::string text = kOtherLayerDefinition;
        if (always_staged) text.replace(text.find("type=layer\nflags=1"), 18, "type=layer\nflags=555");
        const DefinitionFile definition(text);
        SimHost host(small_frame());
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const PF_ParamIndex other = effect.param_index("Other");
        const Picture first = test::ramp_picture(6, 4, 1);
        effect.set_layer(other, Clip{{first}});
        ASSERT_EQ(effect.render(0).result, PF_Err_NONE);

        auto* state = static_cast<SequenceState*>(host.handles().lock(effect.plugin().sequence_data()));
        ASSERT_NE(state, nullptr);
        state->param_state[2] = 1;  // slot 2, the layer, disabled
        host.handles().unlock(effect.plugin().sequence_data());
        const Picture second = test::ramp_picture(6, 4, 2);
        effect.set_layer(other, Clip{{second}});
        const RenderedFrame kept = effect.render(0);
        ASSERT_EQ(kept.result, PF_Err_NONE) << kept.message;
        EXPECT_EQ(kept.output->pixel_bytes(), test::world_bytes(always_staged ? second : first, PF_PixelFormat_ARGB32));
        test::expect_host_account_clean(host, 2);
    }
}

TEST_F(FrameEdgesGl, TwoLayerSlotsShowingOneLayerAreConvertedOnce) {
    // Inputs 1 and 2 show the same layer; the shader adds them, so both must be there.
    const DefinitionFile definition(
        "[settings]\nname=Twice\n"
        "[par1]\nname=First\nparam=First\ntype=layer\nflags=1\n"
        "[par2]\nname=Second\nparam=Second\ntype=layer\nflags=1\n"
        "[ps0]\n#version 120\nuniform sampler2D First;\nuniform sampler2D Second;\nuniform vec2 resolution;\n"
        "void main() { vec2 p = gl_FragCoord.xy / resolution;\n"
        "  gl_FragColor = 0.5 * (texture2D(First, p) + texture2D(Second, p)); }\n");
    struct Case {
        const char* name;
        bool shared;
        std::size_t conversions;  // the input, each distinct layer, the output
    } const cases[] = {{"one layer in both", true, 3}, {"two layers", false, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimHost host(small_frame(PF_PixelFormat_ARGB128, 4, 2));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const Picture layer = test::ramp_picture(4, 2, 3);
        effect.set_layer(effect.param_index("First"), Clip{{layer}});
        if (c.shared) {
            effect.share_layer(effect.param_index("Second"), effect.param_index("First"));
        } else {
            effect.set_layer(effect.param_index("Second"), Clip{{layer}});
        }
        host.log().clear();
        const RenderedFrame frame = effect.render(0);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        EXPECT_EQ(host.log().count("iterate_generic"), c.conversions);
        EXPECT_LE(test::largest_difference(frame.output->picture(), layer), 1e-6f);
        test::expect_host_account_clean(host, 2);
    }
}

// The instance's text 0 becomes the shader define VALUE; `text` is what the user typed.
void type_text(SimHost& host, EffectInstance& effect, const char* text) {
    auto* state = static_cast<SequenceState*>(host.handles().lock(effect.plugin().sequence_data()));
    ASSERT_NE(state, nullptr);
    free_text(state->texts[0]);
    state->texts[0] = new_text(text);
    host.handles().unlock(effect.plugin().sequence_data());
    auto* global = static_cast<GlobalState*>(host.handles().lock(effect.plugin().global_data()));
    ASSERT_NE(global, nullptr);
    global->texts_dirty = 1;  // as an edit marks them
    host.handles().unlock(effect.plugin().global_data());
}

TEST_F(FrameEdgesGl, AnEditedTextRebuildsTheShadersAndABrokenOneIsReported) {
    const DefinitionFile definition(
        "[settings]\nname=Texts\n"
        "[par1]\nname=Value\nparam=VALUE\ntype=text\n"
        "[ps0]\n#version 120\n#ifndef VALUE\n#define VALUE 0.0\n#endif\n"
        "void main() { gl_FragColor = vec4(VALUE, 0.0, 0.0, 1.0); }\n");
    SimHost host(small_frame(PF_PixelFormat_ARGB128, 2, 2));
    EffectInstance effect(host, FX_PLUGIN_PATH);

    type_text(host, effect, "0.25");
    const RenderedFrame first = effect.render(0);
    ASSERT_EQ(first.result, PF_Err_NONE) << first.message;
    EXPECT_FLOAT_EQ(first.output->picture().at(1, 1)[0], 0.25f);

    type_text(host, effect, "0.5 + 0.25");
    const RenderedFrame edited = effect.render(0);
    ASSERT_EQ(edited.result, PF_Err_NONE) << edited.message;
    EXPECT_FLOAT_EQ(edited.output->picture().at(1, 1)[0], 0.75f);

    type_text(host, effect, "this is no number");
    const RenderedFrame broken = effect.render(0);
    EXPECT_EQ(broken.result, PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_FALSE(broken.message.empty()) << "the compiler's log is shown";
    test::expect_host_account_clean(host, 2);
}

TEST_F(FrameEdgesGl, ALoadedImageIsStagedFromItsHolderWithThreeOrFourChannels) {
    const DefinitionFile definition(
        "[settings]\nname=Picture\n"
        "[par1]\nname=Pattern\nparam=pattern\ntype=image\n"
        "[ps0]\n#version 120\nuniform sampler2D pattern;\nuniform vec2 resolution;\n"
        "void main() { gl_FragColor = texture2D(pattern, gl_FragCoord.xy / resolution); }\n");
    for (const int channels : {3, 4}) {
        SCOPED_TRACE(std::to_string(channels) + " channels");
        SimHost host(small_frame(PF_PixelFormat_ARGB32, 3, 2));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        // The picture an image parameter would have loaded, rows from the top.
        Image image;
        image.width = 3;
        image.height = 2;
        image.channels = static_cast<std::uint8_t>(channels);
        Picture expected(3, 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                for (int k = 0; k < 4; ++k) {
                    const int value = k < channels ? 20 + 40 * (x + 3 * y) + k * 7 : 255;
                    if (k < channels) image.pixels.push_back(static_cast<std::uint8_t>(value));
                    expected.at(x, y)[k] = value / 255.0f;
                }
            }
        }
        auto* state = static_cast<SequenceState*>(host.handles().lock(effect.plugin().sequence_data()));
        ASSERT_NE(state, nullptr);
        ASSERT_NE(state->images[0], nullptr) << "set-up makes a holder per image parameter";
        state->images[0]->full = image;
        host.handles().unlock(effect.plugin().sequence_data());

        const RenderedFrame frame = effect.render(0);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        EXPECT_EQ(frame.output->pixel_bytes(), test::world_bytes(expected, PF_PixelFormat_ARGB32));
        test::expect_host_account_clean(host, 2);
    }
}

TEST_F(FrameEdgesGl, TheResultRectanglesCoverTheLayerOrWithFullFrameTheWholeFrame) {
    for (const bool fullframe : {false, true}) {
        SCOPED_TRACE(fullframe ? "fullframe" : "layer");
        const DefinitionFile definition(identity_definition(fullframe ? "fullframe=1\n" : ""));
        SimHost host(small_frame(PF_PixelFormat_ARGB32, 8, 6));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        effect.set_input(Clip{{test::ramp_picture(4, 3)}});
        const RenderedFrame frame = effect.render(0);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        const PF_LRect& r = frame.pre_render.result_rect;
        const PF_LRect& m = frame.pre_render.max_result_rect;
        const A_long right = fullframe ? 8 : 4;
        const A_long bottom = fullframe ? 6 : 3;
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right, right);
        EXPECT_EQ(r.bottom, bottom);
        EXPECT_EQ(m.right, right);
        EXPECT_EQ(m.bottom, bottom);
        EXPECT_EQ((frame.pre_render.flags & PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) != 0, fullframe);
        test::expect_host_account_clean(host, 2);
    }
}

TEST_F(FrameEdgesGl, RefreshMakesEveryFramesCacheKeyItsOwn) {
    for (const bool refresh : {false, true}) {
        SCOPED_TRACE(refresh ? "refresh" : "cached");
        const DefinitionFile definition(identity_definition(refresh ? "refresh=1\n" : ""));
        SimHost host(small_frame());
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const RenderedFrame frame = effect.render(0);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        ASSERT_EQ(frame.cache_key.size(), 4u);
        const bool all_zero = frame.cache_key == std::vector<unsigned char>(4, 0);
        EXPECT_EQ(all_zero, !refresh);
    }
}

TEST_F(FrameEdgesGl, AFloatInputsRangeReachesTheShader) {
    const DefinitionFile definition(
        "[settings]\nname=Range\nrange=1\n"
        "[ps0]\n#version 120\nuniform vec2 range;\nvoid main() { gl_FragColor = vec4(range, 0.0, 1.0); }\n");
    struct Case {
        const char* name;
        float low, high;
        float expected_min, expected_max;
    } const cases[] = {
        {"beyond 0..1 on both sides", -0.5f, 3.0f, -0.5f, 3.0f},
        {"within 0..1", 0.2f, 0.8f, 0.0f, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimHost host(small_frame(PF_PixelFormat_ARGB128, 2, 1));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        Picture input(2, 1);
        input.rgba = {c.low, 0.5f, 0.5f, 1.0f, 0.5f, c.high, 0.5f, 1.0f};
        effect.set_input(Clip{{input}});
        const RenderedFrame frame = effect.render(0);
        ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
        EXPECT_FLOAT_EQ(frame.output->picture().at(0, 0)[0], c.expected_min);
        EXPECT_FLOAT_EQ(frame.output->picture().at(0, 0)[1], c.expected_max);
    }
}

}  // namespace
}  // namespace fx
