// Definitions written as text and parsed by the engine's own parser: the routing the
// parser completes reaches the right buffers, and the shipped effect's shaders build
// and run on a real driver.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "definition/loader/builtin_text.h"
#include "definition/parse_definition.h"
#include "gl_test_support.h"

namespace fx::test {
namespace {

using ParsedDefinitionGlTest = GlTest;

std::unique_ptr<EffectDefinition> parse(const std::string& text) {
    auto definition = std::make_unique<EffectDefinition>();
    parse_definition(*definition, text, default_parse_environment());
    return definition;
}

// Two inputs (slot 0 and a layer slot) and two passes without routing lines: pass 0
// reads inputs 0 and 1 and writes buffer 2; pass 1 reads buffer 2 on unit 0 and buffer
// 0 on unit 1 and writes buffer 3.
const char* const kTwoPassesNoRouting =
    "[par1]\n"
    "param=other\n"
    "type=layer\n"
    "[settings]\n"
    "outformat=32\n"
    "smooth=0\n"
    "[ps0]\n"
    "varying vec2 uv;\n"
    "uniform sampler2D in0;\n"
    "uniform sampler2D in1;\n"
    "void main() { gl_FragColor = vec4(texture2D(in0, uv).r, texture2D(in1, uv).r, 0.0, 1.0); }\n"
    "[ps1]\n"
    "varying vec2 uv;\n"
    "uniform sampler2D in0;\n"
    "uniform sampler2D in1;\n"
    "void main() { gl_FragColor = vec4(texture2D(in0, uv).rg, texture2D(in1, uv).r, 1.0); }\n";

TEST_F(ParsedDefinitionGlTest, DefaultRoutingReachesTheRightBuffers) {
    auto definition = parse(kTwoPassesNoRouting);
    ASSERT_EQ(definition->settings.layer_count, 2);
    ASSERT_EQ(definition->settings.pass_count, 2);
    ASSERT_EQ(definition->settings.pass_output[1], 3);
    const StagedPicture first = float_picture(2, 2, std::vector<float>(16, 0.25f));
    const StagedPicture second = float_picture(2, 2, std::vector<float>(16, 0.75f));
    RenderRun run(std::move(definition));
    run.set_input(0, first);
    run.set_input(1, second);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(1, 1, 0), 0.25f) << "input 0 through pass 0's unit 0";
    EXPECT_EQ(run.at(1, 1, 1), 0.75f) << "input 1 through pass 0's unit 1";
    EXPECT_EQ(run.at(1, 1, 2), 0.25f) << "pass 1's unit 1 reads buffer 0";
}

TEST_F(ParsedDefinitionGlTest, RoutingLinesOverrideTheDefaults) {
    // Pass 1 reads input 1 directly on unit 1 and writes buffer 6, beyond the one
    // texture per input and pass.
    auto definition = parse(std::string(kTwoPassesNoRouting) + "[routing]\nps1_in1=1\nps1_out=6\n");
    ASSERT_EQ(definition->settings.pass_output[1], 6);
    const StagedPicture first = float_picture(1, 1, {0.25f, 0, 0, 1});
    const StagedPicture second = float_picture(1, 1, {0.75f, 0, 0, 1});
    RenderRun run(std::move(definition));
    run.set_input(0, first);
    run.set_input(1, second);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 2), 0.75f);
    EXPECT_EQ(run.renderer().texture(6).width(), 1) << "the routed target was drawn";
}

TEST_F(ParsedDefinitionGlTest, ShippedEffectBuildsAndRendersEveryPass) {
    auto definition = parse(builtin_text(BuiltinText::definition));
    const auto& settings = definition->settings;
    ASSERT_GT(settings.pass_count, 0);
    std::vector<StagedPicture> inputs;
    for (int k = 0; k < settings.layer_count; ++k) inputs.push_back(coordinate_picture(32, 18));
    RenderRun run(std::move(definition));
    for (int k = 0; k < static_cast<int>(inputs.size()); ++k) run.set_input(k, inputs[k]);
    run.frame().values[1][0] = 0.5f;
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_STREQ(run.renderer().error_text(), "") << "every pass compiles and links without a message";
    for (int pass = 0; pass < settings.pass_count; ++pass) EXPECT_NE(run.renderer().program(pass), 0u) << pass;
}

}  // namespace
}  // namespace fx::test
