// Frames rendered end to end: the built plug-in loaded by the simulated host, driven
// through EffectMain with set-up, smart or classic render, and the pixels read from the
// host's output world.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "PrSDKAESupport.h"
#include "definition/loader/load_definition.h"
#include "platform/environment_variable.h"
#include "simhost/effect_instance.h"
#include "tests/host/frame_test_support.h"
#include "tests/render/gl_test_support.h"

namespace fx {
namespace {

using test::DefinitionFile;

const std::string kIdentityDefinition =
    "[settings]\nname=Identity\n"
    "[ps0]\n#version 120\nuniform sampler2D in0;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(in0, gl_FragCoord.xy / resolution); }\n";

// Each parameter's converted value lands in one channel of the output.
const std::string kUniformDefinition =
    "[settings]\nname=Uniforms\n"
    "[par1]\nname=Amount\nparam=Amount\ntype=float\nmin=0\nmax=1\ndefault=0.1\n"
    "[par2]\nname=Tint\nparam=Tint\ntype=color\ndefault=0|0|0\n"
    "[par3]\nname=Where\nparam=Where\ntype=point\nflags=4\ndefault=0|0\n"
    "[par4]\nname=Mode\nparam=Mode\ntype=popup\ntext=a|b|c|d\ndefault=0\n"
    "[ps0]\n#version 120\nuniform float Amount;\nuniform vec3 Tint;\nuniform vec2 Where;\nuniform int Mode;\n"
    "void main() { gl_FragColor = vec4(Amount, Tint.g, Where.x + Where.y, float(Mode) / 4.0); }\n";

struct FormatCase {
    const char* name;
    HostApp app;
    PF_PixelFormat format;
    RenderPath path;
};

const FormatCase kFormatCases[] = {
    {"8-bit ARGB, smart", HostApp::after_effects, PF_PixelFormat_ARGB32, RenderPath::smart},
    {"8-bit ARGB, classic", HostApp::after_effects, PF_PixelFormat_ARGB32, RenderPath::classic},
    {"16-bit ARGB, smart", HostApp::after_effects, PF_PixelFormat_ARGB64, RenderPath::smart},
    {"16-bit ARGB, classic", HostApp::after_effects, PF_PixelFormat_ARGB64, RenderPath::classic},
    {"float ARGB, smart", HostApp::after_effects, PF_PixelFormat_ARGB128, RenderPath::smart},
    {"float ARGB, classic", HostApp::after_effects, PF_PixelFormat_ARGB128, RenderPath::classic},
    {"Premiere 8-bit BGRA, smart", HostApp::premiere_pro, PrPixelFormat_BGRA_4444_8u, RenderPath::smart},
    {"Premiere float BGRA, classic", HostApp::premiere_pro, PrPixelFormat_BGRA_4444_32f, RenderPath::classic},
    {"Premiere linear float BGRA, smart", HostApp::premiere_pro, PrPixelFormat_BGRA_4444_32f_Linear, RenderPath::smart},
};

HostSettings frame_settings(HostApp app, PF_PixelFormat format, int width, int height) {
    HostSettings settings;
    settings.app = app;
    settings.pixel_format = format;
    settings.width = width;
    settings.height = height;
    settings.row_padding = 12;  // rows longer than their pixels, as hosts hand them out
    settings.iterate_threads = 2;
    return settings;
}

class FrameRenderGl : public test::GlTest {
protected:
    void TearDown() override { EXPECT_EQ(live_host_worlds(), 0u) << "host worlds outlived their frames"; }
};

TEST_F(FrameRenderGl, AnIdentityDefinitionPassesEveryPixelFormatThroughUnchanged) {
    const DefinitionFile definition(kIdentityDefinition);
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.name);
        SimHost host(frame_settings(c.app, c.format, 7, 5));
        std::size_t kept = 0;
        {
            EffectInstance effect(host, FX_PLUGIN_PATH);
            kept = host.handles().live_count();
            const Picture input = test::ramp_picture(7, 5);
            effect.set_input(Clip{{input}});
            const RenderedFrame frame = effect.render(0, c.path);
            ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
            ASSERT_NE(frame.output, nullptr);
            EXPECT_EQ(frame.output->pixel_bytes(), test::world_bytes(input, c.format));
            EXPECT_TRUE(frame.output->padding_intact()) << "the plug-in wrote past a row's pixels";
            test::expect_host_account_clean(host, kept);
        }
        EXPECT_EQ(host.handles().live_count(), 0u) << host.handles().leak_report();
        EXPECT_TRUE(host.suites().outstanding().empty()) << "suites left acquired";
    }
}

TEST_F(FrameRenderGl, FloatValuesOutsideTheUnitRangeSurviveAFloatWorld) {
    const DefinitionFile definition(kIdentityDefinition);
    SimHost host(frame_settings(HostApp::after_effects, PF_PixelFormat_ARGB128, 2, 1));
    EffectInstance effect(host, FX_PLUGIN_PATH);
    Picture input(2, 1);
    input.rgba = {1.7f, -0.2f, 0.5f, 1.0f, 3.0f, -0.5f, 0.25f, 0.75f};
    effect.set_input(Clip{{input}});
    const RenderedFrame frame = effect.render(0);
    ASSERT_EQ(frame.result, PF_Err_NONE) << frame.message;
    EXPECT_EQ(frame.output->picture().rgba, input.rgba);
}

TEST_F(FrameRenderGl, ValuesSetThroughTheHostReachTheShaderAtTheirTimes) {
    const DefinitionFile definition(kUniformDefinition);
    for (const RenderPath path : {RenderPath::smart, RenderPath::classic}) {
        SCOPED_TRACE(path == RenderPath::smart ? "smart" : "classic");
        SimHost host(frame_settings(HostApp::after_effects, PF_PixelFormat_ARGB128, 8, 4));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const PF_ParamIndex amount = effect.param_index("Amount");
        ASSERT_GT(amount, 0);
        effect.set_float(amount, 0.25);
        effect.set_float(amount, 0.75, 10);
        effect.set_color(effect.param_index("Tint"), PF_Pixel{255, 0, 51, 0});
        effect.set_point(effect.param_index("Where"), 4, 1);  // (4/8, 1 - 1/4) with flags 4
        effect.set_popup(effect.param_index("Mode"), 3);      // the third item: index 2

        const RenderedFrame early = effect.render(5, path);
        ASSERT_EQ(early.result, PF_Err_NONE) << early.message;
        const Picture early_picture = early.output->picture();
        const float* pixel = early_picture.at(3, 2);
        EXPECT_FLOAT_EQ(pixel[0], 0.25f);
        EXPECT_FLOAT_EQ(pixel[1], 51.0f / 255.0f);
        EXPECT_FLOAT_EQ(pixel[2], 0.5f + 0.75f);
        EXPECT_FLOAT_EQ(pixel[3], 0.5f);

        const RenderedFrame late = effect.render(10, path);
        ASSERT_EQ(late.result, PF_Err_NONE) << late.message;
        EXPECT_FLOAT_EQ(late.output->picture().at(0, 0)[0], 0.75f);
    }
}

// The shipped transition: the layer the effect sits on goes out, the incoming clip comes in.
class BuiltinTransitionGl : public FrameRenderGl {
protected:
    void SetUp() override {
        FrameRenderGl::SetUp();
        platform::unset_environment_variable(kDefinitionFileVariable);
    }
};

TEST_F(BuiltinTransitionGl, ProgressZeroShowsTheOutgoingPictureAndAHundredTheIncomingOne) {
    for (const RenderPath path : {RenderPath::smart, RenderPath::classic}) {
        SCOPED_TRACE(path == RenderPath::smart ? "smart" : "classic");
        SimHost host(frame_settings(HostApp::after_effects, PF_PixelFormat_ARGB32, 16, 12));
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const Picture outgoing = test::ramp_picture(16, 12, 0);
        const Picture incoming = test::ramp_picture(16, 12, 1);
        effect.set_input(Clip{{outgoing}});
        const PF_ParamIndex clip = effect.param_index("Incoming Clip");
        const PF_ParamIndex progress = effect.param_index("Transition Completion");
        const PF_ParamIndex glow = effect.param_index("Glow Intensity");
        ASSERT_GT(clip, 0);
        ASSERT_GT(progress, 0);
        ASSERT_GT(glow, 0);
        effect.set_layer(clip, Clip{{incoming}});
        effect.set_float(glow, 0.0);  // nothing laid over the two pictures

        effect.set_float(progress, 0.0);
        const RenderedFrame start = effect.render(0, path);
        ASSERT_EQ(start.result, PF_Err_NONE) << start.message;
        EXPECT_LE(test::largest_difference(start.output->picture(), outgoing), 1.0f / 255.0f);

        effect.set_float(progress, 100.0);
        const RenderedFrame end = effect.render(0, path);
        ASSERT_EQ(end.result, PF_Err_NONE) << end.message;
        EXPECT_LE(test::largest_difference(end.output->picture(), incoming), 1.0f / 255.0f);

        effect.set_float(progress, 50.0);
        const RenderedFrame middle = effect.render(0, path);
        ASSERT_EQ(middle.result, PF_Err_NONE) << middle.message;
        EXPECT_GT(test::largest_difference(middle.output->picture(), outgoing), 0.1f) << "half-way shows both";
        EXPECT_GT(test::largest_difference(middle.output->picture(), incoming), 0.1f) << "half-way shows both";
    }
}

TEST_F(BuiltinTransitionGl, UnderPremiereProTheClipsTimeDrivesTheProgress) {
    HostSettings settings = frame_settings(HostApp::premiere_pro, PrPixelFormat_BGRA_4444_8u, 16, 12);
    settings.total_time = 90;
    SimHost host(settings);
    EffectInstance effect(host, FX_PLUGIN_PATH);
    const Picture outgoing = test::ramp_picture(16, 12, 2);
    const Picture incoming = test::ramp_picture(16, 12, 3);
    effect.set_input(Clip{{outgoing}});
    const PF_ParamIndex clip = effect.param_index("Input");
    const PF_ParamIndex progress = effect.param_index("Transition Completion");
    ASSERT_GT(clip, 0) << "the transition's incoming clip";
    ASSERT_GT(progress, 0);
    effect.set_layer(clip, Clip{{incoming}});
    effect.set_float(effect.param_index("Glow Intensity"), 0.0);
    effect.set_float(progress, 50.0);  // not what Premiere Pro renders by

    const RenderedFrame start = effect.render(0);
    ASSERT_EQ(start.result, PF_Err_NONE) << start.message;
    EXPECT_LE(test::largest_difference(start.output->picture(), outgoing), 1.0f / 255.0f);
    const RenderedFrame end = effect.render(90);
    ASSERT_EQ(end.result, PF_Err_NONE) << end.message;
    EXPECT_LE(test::largest_difference(end.output->picture(), incoming), 1.0f / 255.0f);
}

}  // namespace
}  // namespace fx
