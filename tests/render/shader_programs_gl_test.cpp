// Program builds on a real compiler: defines reach the shader, compile errors are
// logged with their pass and replaced, link errors stop the build.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include <GL/glew.h>

#include "AE_EffectCB.h"
#include "gl_test_support.h"
#include "render/gl/fragment_assembly.h"
#include "render/shader_builtin_texts.h"
#include "render/shader_status_report.h"

namespace fx::test {
namespace {

using ShaderProgramsGlTest = GlTest;

const std::string kBroken = "#version 120\nvoid main() { gl_FragColor = vec4(1.0) +; }\n";
// Compiles, but the function it calls exists nowhere: only the linker notices.
const std::string kUnlinkable =
    "#version 120\nvoid missing_helper();\nvoid main() { missing_helper(); gl_FragColor = vec4(1.0); }\n";

TEST_F(ShaderProgramsGlTest, PopupAndTextDefinesReachTheShader) {
    const std::string probe = fragment("", "gl_FragColor = vec4(LEVEL, TITLE_LENGTH, 0.0, 1.0);");
    auto definition = make_definition({probe});
    ParamDef& level = add_param(*definition, "LEVEL", kParamPopup, 0);
    level.flags = 2;
    definition->set_items(1, "0.25|0.5|0.75");
    const StagedPicture input = float_picture(1, 1, {0, 0, 0, 0});
    RenderRun run(std::move(definition));
    run.set_input(0, input);
    run.frame().values[1][0] = 1.0f;
    run.renderer().set_define("TITLE_LENGTH", "5.0");
    run.renderer().attach_frame(&run.frame());
    run.renderer().build_programs();
    ASSERT_FALSE(run.frame().shader_errors) << run.renderer().error_text();
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.at(0, 0, 0), 0.5f);
    EXPECT_EQ(run.at(0, 0, 1), 5.0f);
    EXPECT_EQ(run.renderer().state(), RendererState::built);
}

// A text parameter such as a folder path ends in a backslash; the directive after it in
// the block must stay a directive of its own, or every pass fails to compile.
TEST_F(ShaderProgramsGlTest, TextEndingInABackslashKeepsTheNextDefine) {
    RenderRun run(make_definition({fragment("", "gl_FragColor = vec4(float(OFX));")}));
    run.renderer().set_define("A_TEXT", "folder\\");
    run.rebuild_programs();
    EXPECT_STREQ(run.renderer().error_text(), "");
}

TEST_F(ShaderProgramsGlTest, CompileErrorIsLoggedWithItsPassAndTheFallbackStandsIn) {
    RenderRun run(make_definition({kIdentityShader, kBroken, kIdentityShader}));
    const StagedPicture input = float_picture(1, 1, {0.5f, 0.5f, 0.5f, 1.0f});
    run.set_input(0, input);
    GlRenderer& renderer = run.renderer();
    renderer.attach_frame(&run.frame());
    renderer.build_programs();

    const std::string log = renderer.error_text();
    EXPECT_EQ(log.rfind("[1]: ", 0), 0u) << log;
    EXPECT_NE(log.find("error"), std::string::npos) << "the compiler's own message follows: " << log;
    EXPECT_EQ(log.find("[0]"), std::string::npos) << log;
    EXPECT_NE(renderer.program(1), 0u) << "the fallback shader was linked in its place";
    EXPECT_NE(renderer.program(2), 0u) << "a compile error does not stop the build";
    EXPECT_TRUE(run.frame().shader_errors);
    EXPECT_EQ(renderer.state(), RendererState::built);
    // The frame fails instead of showing the fallback's picture.
    EXPECT_FALSE(renderer.run_all_passes());
    renderer.attach_frame(nullptr);
    EXPECT_FALSE(run.render());
}

// The log the driver's linker writes for these two stages, linked by hand in the
// renderer's context.
std::string linker_log_of(GlRenderer& renderer, const std::string& vertex, const std::string& fragment_source) {
    if (!renderer.make_current()) return "(no context)";
    const GLuint program = glCreateProgram();
    for (const auto& [type, source] :
         {std::pair{GL_VERTEX_SHADER, vertex}, std::pair{GL_FRAGMENT_SHADER, fragment_source}}) {
        const GLuint shader = glCreateShader(type);
        const char* text = source.c_str();
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
        glDeleteShader(shader);
    }
    glLinkProgram(program);
    char buffer[1024] = {};
    GLsizei written = 0;
    glGetProgramInfoLog(program, sizeof(buffer), &written, buffer);
    glDeleteProgram(program);
    renderer.restore();
    return std::string(buffer, static_cast<std::size_t>(written));
}

TEST_F(ShaderProgramsGlTest, LinkErrorStopsTheBuildAtThatPass) {
    RenderRun run(make_definition({kIdentityShader, kUnlinkable, kIdentityShader}));
    GlRenderer& renderer = run.renderer();
    renderer.attach_frame(&run.frame());
    const std::string returned = renderer.build_programs();
    const std::string log = renderer.error_text();
    EXPECT_EQ(returned, log) << "the build returns its log";
    EXPECT_NE(log.find("missing_helper"), std::string::npos) << "the linker's text: " << log;
    const std::string assembled = assemble_fragment_source(kUnlinkable, renderer.build_defines_block());
    EXPECT_EQ(log, linker_log_of(renderer, kTestVertexShader, assembled)) << "the linker's log, unchanged";
    EXPECT_NE(renderer.program(0), 0u);
    EXPECT_EQ(renderer.program(1), 0u) << "the failing program is deleted";
    EXPECT_EQ(renderer.program(2), 0u) << "later passes are not built";
    EXPECT_TRUE(run.frame().shader_errors);
    EXPECT_EQ(renderer.state(), RendererState::resources) << "the next frame tries again";
    EXPECT_FALSE(renderer.run_all_passes());
    renderer.attach_frame(nullptr);
}

// Without a frame the programs are built but nothing says whether the build suits a
// frame: the renderer stays where it was and the next frame builds again.
TEST_F(ShaderProgramsGlTest, BuildWithoutAFrameKeepsTheState) {
    RenderRun run(make_definition({kIdentityShader}));
    GlRenderer& renderer = run.renderer();
    ASSERT_EQ(renderer.state(), RendererState::resources);
    EXPECT_EQ(renderer.build_programs(), "");
    EXPECT_NE(renderer.program(0), 0u) << "the program was built";
    EXPECT_EQ(renderer.state(), RendererState::resources);
    EXPECT_FALSE(run.frame().shader_errors) << "no frame, no frame flag";

    const StagedPicture input = float_picture(1, 1, {0.25f, 0.5f, 0.75f, 1.0f});
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    ASSERT_EQ(renderer.state(), RendererState::built);
    // A build without a frame that fails leaves the built state too; the log it leaves
    // keeps the next frame from running the fallback.
    run.definition().pass_source[0] = kBroken;
    EXPECT_NE(renderer.build_programs(), "");
    EXPECT_EQ(renderer.state(), RendererState::built);
    EXPECT_FALSE(run.render());
}

TEST_F(ShaderProgramsGlTest, BrokenVertexShaderFallsBackForEveryPass) {
    auto definition = make_definition({kIdentityShader});
    definition->vertex_source = "#version 120\nvoid main() { gl_Position = undefined_thing; }\n";
    RenderRun run(std::move(definition));
    GlRenderer& renderer = run.renderer();
    renderer.attach_frame(&run.frame());
    renderer.build_programs();
    EXPECT_EQ(std::string(renderer.error_text()).rfind("[0]: ", 0), 0u) << renderer.error_text();
    EXPECT_NE(renderer.program(0), 0u);
    EXPECT_TRUE(run.frame().shader_errors);
    renderer.attach_frame(nullptr);
}

TEST_F(ShaderProgramsGlTest, EmptyVertexSourceStopsTheBuildWithAMessage) {
    auto definition = make_definition({kIdentityShader});
    definition->vertex_source = "";
    RenderRun run(std::move(definition));
    GlRenderer& renderer = run.renderer();
    renderer.attach_frame(&run.frame());
    renderer.build_programs();
    EXPECT_TRUE(run.frame().shader_errors);
    EXPECT_EQ(renderer.state(), RendererState::resources);
    EXPECT_NE(std::string(renderer.error_text()).find("vertex"), std::string::npos) << renderer.error_text();
    renderer.attach_frame(nullptr);
}

// Records what the host's strcpy callback was given.
std::string g_host_copied;
A_char* recording_strcpy(A_char* destination, const A_char* source) {
    g_host_copied = source;
    return std::strcpy(destination, source);
}

TEST_F(ShaderProgramsGlTest, StatusReportShowsConfirmationOrTheLogCutTo200Characters) {
    PF_OutData out_data = {};
    PF_UtilCallbacks utils = {};
    utils.ansi.strcpy = recording_strcpy;
    PF_InData in_data = {};
    in_data.utils = &utils;

    RenderRun clean(make_definition({kIdentityShader}));
    clean.renderer().attach_frame(&clean.frame());
    g_host_copied.clear();
    EXPECT_TRUE(report_shader_status(clean.renderer(), &out_data, true, &in_data));
    EXPECT_EQ(std::string(out_data.return_msg), shader_builtin_text(ShaderBuiltinText::shader_confirmation));
    EXPECT_EQ(g_host_copied, out_data.return_msg) << "the message went through the host's strcpy";
    clean.renderer().attach_frame(nullptr);

    // Many broken passes make a log far longer than the message area.
    RenderRun broken(make_definition({kBroken, kBroken, kBroken, kBroken, kBroken}));
    broken.renderer().attach_frame(&broken.frame());
    EXPECT_FALSE(report_shader_status(broken.renderer(), &out_data, true, &in_data));
    const std::string log = broken.renderer().error_text();
    ASSERT_GT(log.size(), 200u);
    EXPECT_EQ(std::string(out_data.return_msg), log.substr(0, 200));
    // Without a rebuild the report shows the log of the last build.
    std::memset(out_data.return_msg, 0, sizeof(out_data.return_msg));
    EXPECT_FALSE(report_shader_status(broken.renderer(), &out_data, false, nullptr));
    EXPECT_EQ(std::string(out_data.return_msg), log.substr(0, 200));
    broken.renderer().attach_frame(nullptr);
}

// Needs no context: it is about the renderer that has none.
TEST(ShaderStatus, RendererWithoutContextReportsAFailureNotTheConfirmation) {
    auto definition = make_definition({kIdentityShader});
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());  // no context created
    PF_OutData out_data = {};
    EXPECT_FALSE(report_shader_status(renderer, &out_data, true, nullptr));
    const std::string message = out_data.return_msg;
    EXPECT_NE(message, shader_builtin_text(ShaderBuiltinText::shader_confirmation));
    EXPECT_NE(message.find("OpenGL"), std::string::npos) << message;
}

TEST_F(ShaderProgramsGlTest, RebuildReplacesThePrograms) {
    RenderRun run(make_definition({kIdentityShader}));
    GlRenderer& renderer = run.renderer();
    renderer.attach_frame(&run.frame());
    renderer.build_programs();
    const std::uint32_t first = renderer.program(0);
    ASSERT_NE(first, 0u);
    renderer.build_programs();
    EXPECT_NE(renderer.program(0), 0u);
    ASSERT_TRUE(renderer.make_current());
    const bool old_program_alive = first != renderer.program(0) && glIsProgram(first) == GL_TRUE;
    EXPECT_FALSE(old_program_alive) << "the old program is deleted, not leaked";
    renderer.restore();
    renderer.attach_frame(nullptr);
}

}  // namespace
}  // namespace fx::test
