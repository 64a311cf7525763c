// A picture chosen for an image parameter reaches the shader: rendered through the
// simulated host, the output shows the placeholder before the choice and the picture
// after it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "picture_files.h"
#include "simhost/effect_instance.h"
#include "tests/host/definition_file.h"
#include "tests/render/gl_test_support.h"

namespace fx::test {
namespace {

// The image parameter is texture unit 1; the output shows it stretched over the frame.
const std::string kPictureDefinition =
    "[settings]\nname=Picture\nimgwidth=20\nimgheight=20\n"
    "[par1]\nname=Picture\ntype=image\n"
    "[ps0]\n#version 120\nuniform sampler2D in1;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(in1, gl_FragCoord.xy / resolution); }\n";

class ImageRenderGl : public GlTest {};

TEST_F(ImageRenderGl, TheChosenPictureReplacesThePlaceholderInTheRender) {
    const DefinitionFile definition(kPictureDefinition);
    const std::string picture = temp_path("solid.png");
    PngLayout layout{6, 4, 2 /* RGB */, 8, false, {}, {}, {}, false, {0, 0, 0}};
    for (int i = 0; i < 6 * 4; ++i) layout.samples.insert(layout.samples.end(), {200, 40, 90});
    write_png(picture, layout);
    const std::string answers = temp_path("answers.txt");
    std::ofstream(answers) << picture << "\n";

    HostSettings settings;
    settings.pixel_format = PF_PixelFormat_ARGB128;
    settings.width = 8;
    settings.height = 8;
    SimHost host(settings);
    {
        EffectInstance effect(host, FX_PLUGIN_PATH);
        const PF_ParamIndex index = effect.param_index("Picture");
        ASSERT_EQ(index, 1);

        const RenderedFrame before = effect.render(0);
        ASSERT_EQ(before.result, PF_Err_NONE) << before.message;
        const Picture checker = before.output->picture();
        // Opposite quarters of the checkerboard: one white, one black.
        EXPECT_NE(checker.at(1, 1)[0], checker.at(6, 1)[0]);
        EXPECT_EQ(checker.at(1, 1)[0], checker.at(6, 6)[0]);

        setenv("FX_DIALOG_ANSWERS", answers.c_str(), 1);
        PF_UserChangedParamExtra extra{};
        extra.param_index = index;
        const CommandResult changed = effect.plugin().call(PF_Cmd_USER_CHANGED_PARAM, &extra);
        unsetenv("FX_DIALOG_ANSWERS");
        ASSERT_EQ(changed.result, PF_Err_NONE);

        const RenderedFrame after = effect.render(0);
        ASSERT_EQ(after.result, PF_Err_NONE) << after.message;
        const Picture shown = after.output->picture();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const float* p = shown.at(x, y);
                ASSERT_NEAR(p[0], 200 / 255.0f, 1e-3f) << x << "," << y;
                ASSERT_NEAR(p[1], 40 / 255.0f, 1e-3f) << x << "," << y;
                ASSERT_NEAR(p[2], 90 / 255.0f, 1e-3f) << x << "," << y;
                ASSERT_NEAR(p[3], 1.0f, 1e-3f) << x << "," << y;
            }
    }
    EXPECT_EQ(host.handles().live_count(), 0u) << host.handles().leak_report();
    std::remove(picture.c_str());
    std::remove(answers.c_str());
}

}  // namespace
}  // namespace fx::test
