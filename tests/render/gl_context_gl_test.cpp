// The private context and its bracket: a caller's own context survives every GL
// operation of the renderer.

#include <gtest/gtest.h>

#include <ostream>

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/glew.h>

#include <cstring>
#include <limits>
#include <thread>

#include "gl_test_support.h"

namespace fx::test {
namespace {

using GlContextTest = GlTest;

// A context of the test's own, standing for the host's, on Mesa's surfaceless display
// (or the default one).
class CallerContext {
public:
    CallerContext() {
        auto get_platform_display =
            reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (get_platform_display != nullptr) {
            display_ = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        }
        if (display_ == EGL_NO_DISPLAY) display_ = eglGetDisplay(EGL_DEFAULT_DISPLAY);
        if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr)) return;
        eglBindAPI(EGL_OPENGL_API);
        context_ = eglCreateContext(display_, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
    }
    ~CallerContext() {
        if (context_ == EGL_NO_CONTEXT) return;
        eglBindAPI(EGL_OPENGL_API);
        if (eglGetCurrentContext() == context_) {
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        eglDestroyContext(display_, context_);
    }
    bool make_current() {
        eglBindAPI(EGL_OPENGL_API);
        return context_ != EGL_NO_CONTEXT && eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_);
    }
    EGLContext context() const { return context_; }

private:
    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
};

EGLContext current_gl_context() {
    const EGLenum api = eglQueryAPI();
    eglBindAPI(EGL_OPENGL_API);
    EGLContext context = eglGetCurrentContext();
    eglBindAPI(api);
    return context;
}

TEST_F(GlContextTest, CreatesUsableHeadlessContext) {
    auto context = create_gl_context();
    ASSERT_TRUE(context->usable());
    EXPECT_EQ(context->current_mark(), 0) << "creation restores the caller's state";
    ASSERT_TRUE(context->make_current());
    EXPECT_EQ(context->current_mark(), 1);
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_GE(version[0], '2') << version;
    EXPECT_TRUE(GLEW_VERSION_2_0) << "GLEW's entry points are loaded despite its GLX-only extras";
    context->restore();
    EXPECT_EQ(context->current_mark(), 0);
}

TEST_F(GlContextTest, CallersOwnContextIsCurrentAgainAfterARender) {
    CallerContext caller;
    ASSERT_TRUE(caller.make_current());
    {
        RenderRun run(make_definition({kIdentityShader}));
        const StagedPicture input = float_picture(2, 2, {0.5f});
        run.set_input(0, input);
        ASSERT_TRUE(run.render()) << run.renderer().error_text();
        EXPECT_EQ(current_gl_context(), caller.context()) << "after a whole render";
    }
    EXPECT_EQ(current_gl_context(), caller.context()) << "after the renderer is destroyed";
}

TEST_F(GlContextTest, ThreadWithoutContextHasNoneAfterwards) {
    // A fresh thread: nothing current before, nothing after, and the bound API kept.
    EGLContext after = reinterpret_cast<EGLContext>(1);
    EGLenum api_after = 0;
    std::thread worker([&] {
        eglBindAPI(EGL_OPENGL_ES_API);
        RenderRun run(make_definition({kIdentityShader}));
        const StagedPicture input = float_picture(1, 1, {0.5f});
        run.set_input(0, input);
        run.render();
        api_after = eglQueryAPI();
        after = current_gl_context();
    });
    worker.join();
    EXPECT_EQ(after, EGL_NO_CONTEXT);
    EXPECT_EQ(api_after, static_cast<EGLenum>(EGL_OPENGL_ES_API));
}

TEST_F(GlContextTest, NestedBracketsRestoreOnlyAtTheOutermost) {
    CallerContext caller;
    ASSERT_TRUE(caller.make_current());
    auto context = create_gl_context();
    ASSERT_TRUE(context->make_current());
    const EGLContext ours = current_gl_context();
    EXPECT_NE(ours, caller.context());
    ASSERT_TRUE(context->make_current());
    context->restore();
    EXPECT_EQ(current_gl_context(), ours) << "an inner restore keeps the context for the outer operation";
    context->restore();
    EXPECT_EQ(current_gl_context(), caller.context());
    context->restore();  // unmatched: changes nothing
    EXPECT_EQ(current_gl_context(), caller.context());
}

TEST_F(GlContextTest, RestoreWithoutMakeCurrentChangesNothing) {
    CallerContext first;
    CallerContext second;
    auto context = create_gl_context();
    ASSERT_TRUE(first.make_current());
    ASSERT_TRUE(context->make_current());
    context->restore();  // this bracket saved and gave back `first`
    ASSERT_TRUE(second.make_current());
    context->restore();  // unmatched
    EXPECT_EQ(current_gl_context(), second.context()) << "a stray restore brought back an earlier bracket's pair";
    EXPECT_EQ(context->current_mark(), 0);
}

struct TextureCountCase {
    const char* name;
    int passes;
    int layers;
    int expected;
    int pass_0_output;  // -1: not routed
};

// Test listings show the row's name.
void PrintTo(const TextureCountCase& row, std::ostream* out) { *out << row.name; }

class TextureCountGlTest : public GlTest, public ::testing::WithParamInterface<TextureCountCase> {};

TEST_P(TextureCountGlTest, OneTexturePerInputAndPassOrRoutedBufferUpTo32) {
    const TextureCountCase& row = GetParam();
    auto definition = std::make_unique<EffectDefinition>();
    definition->settings.pass_count = row.passes;
    definition->settings.layer_count = row.layers;
    definition->settings.pass_output[0] = row.pass_0_output;
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.create_context();
    renderer.create_resources();
    ASSERT_EQ(renderer.state(), RendererState::resources);
    EXPECT_EQ(renderer.texture_count(), row.expected);
    for (int k = 0; k < row.expected; ++k) {
        EXPECT_NE(renderer.texture(k).id(), 0u) << "slot " << k;
        EXPECT_EQ(renderer.texture(k).width(), 0) << "never allocated yet";
    }
    EXPECT_EQ(renderer.texture(row.expected).id(), 0u);
    renderer.release_resources();
    EXPECT_EQ(renderer.state(), RendererState::empty);
    EXPECT_EQ(renderer.texture_count(), 0);
    EXPECT_EQ(renderer.texture(0).id(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TextureCountGlTest,
    ::testing::Values(TextureCountCase{"three_passes_two_inputs", 3, 2, 5, -1},
                      TextureCountCase{"capped_at_32", 30, 5, 32, -1}, TextureCountCase{"exactly_32", 31, 1, 32, -1},
                      TextureCountCase{"routed_to_a_higher_buffer", 2, 1, 10, 9},
                      TextureCountCase{"routed_beyond_32", 2, 1, 32, 40},
                      TextureCountCase{"routed_to_the_largest_number", 2, 1, 32, std::numeric_limits<int>::max()}),
    [](const ::testing::TestParamInfo<TextureCountCase>& info) { return std::string(info.param.name); });

TEST_F(GlContextTest, ReloadedDefinitionWithMorePassesGetsItsTextures) {
    RenderRun run(make_definition({kIdentityShader}));
    ASSERT_EQ(run.renderer().texture_count(), 2);
    // The definition is refilled in place with three passes, as a reload does.
    EffectDefinition& definition = run.definition();
    definition.settings.pass_count = 3;
    for (int pass = 1; pass < 3; ++pass) {
        definition.pass_source[pass] = kIdentityShader;
        definition.settings.pass_input[pass][0] = pass;
        definition.settings.pass_output[pass] = pass + 1;
    }
    run.renderer().attach_frame(&run.frame());
    run.renderer().build_programs();
    const StagedPicture input = float_picture(1, 1, {0.5f, 0.25f, 0.125f, 1.0f});
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    EXPECT_EQ(run.renderer().texture_count(), 4);
    EXPECT_EQ(run.at(0, 0, 2), 0.125f);
}

TEST_F(GlContextTest, NegativeUsegpuCreatesNothingAndRunsNothing) {
    auto definition = make_definition({kIdentityShader});
    definition->settings.usegpu = -1;
    GlRenderer renderer{builtin_shader_texts()};
    renderer.set_definition(definition.get());
    renderer.create_context();
    renderer.create_resources();
    EXPECT_EQ(renderer.context(), nullptr);
    EXPECT_EQ(renderer.state(), RendererState::empty);
    FrameParams frame;
    renderer.attach_frame(&frame);
    EXPECT_TRUE(renderer.run_all_passes()) << "a renderer switched off does nothing, successfully";
    renderer.attach_frame(nullptr);
}

TEST_F(GlContextTest, RunWithoutAFrameFails) {
    RenderRun run(make_definition({kIdentityShader}));
    EXPECT_FALSE(run.renderer().run_all_passes());
    EXPECT_EQ(run.renderer().pass_log(), "run_all_passes: no frame is attached\n");
}

// Releasing the resources deletes the GL objects in the context, which lives on.
TEST_F(GlContextTest, ReleasedResourcesAreDeletedInTheContext) {
    RenderRun run(make_definition({kIdentityShader}));
    const StagedPicture input = float_picture(1, 1, {0.5f, 0.5f, 0.5f, 1.0f});
    run.set_input(0, input);
    ASSERT_TRUE(run.render()) << run.renderer().error_text();
    GlRenderer& renderer = run.renderer();
    const GLuint input_texture = renderer.texture(0).id();
    const GLuint target_texture = renderer.texture(1).id();
    const GLuint program = renderer.program(0);
    renderer.release_resources();
    ASSERT_TRUE(renderer.make_current());
    EXPECT_EQ(glIsTexture(input_texture), GL_FALSE);
    EXPECT_EQ(glIsTexture(target_texture), GL_FALSE);
    EXPECT_EQ(glIsProgram(program), GL_FALSE);
    renderer.restore();
}

}  // namespace
}  // namespace fx::test
