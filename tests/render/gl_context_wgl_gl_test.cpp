// The private context on Windows and its bracket: a caller's own WGL context (a window
// and context of the test's own, standing for the host's) is current again after every
// GL operation of the renderer, DC and context both.
#include <windows.h>

#include <gtest/gtest.h>

#include <GL/glew.h>

#include <thread>

#include "gl_test_support.h"

namespace fx::test {
namespace {

using GlContextTest = GlTest;

class CallerContext {
public:
    CallerContext() {
        WNDCLASSA cls{};
        cls.style = CS_OWNDC;
        cls.lpfnWndProc = DefWindowProcA;
        cls.lpszClassName = "FxTestCallerGl";
        RegisterClassA(&cls);
        window_ = CreateWindowExA(0, "FxTestCallerGl", "caller", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, nullptr,
                                  nullptr);
        if (window_ == nullptr) return;
        dc_ = GetDC(window_);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 32;
        const int chosen = ChoosePixelFormat(dc_, &format);
        if (chosen == 0 || !SetPixelFormat(dc_, chosen, &format)) return;
        context_ = wglCreateContext(dc_);
    }
    ~CallerContext() {
        if (context_ != nullptr) {
            if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context_);
        }
        if (window_ != nullptr) {
            ReleaseDC(window_, dc_);
            DestroyWindow(window_);
        }
    }
    CallerContext(const CallerContext&) = delete;
    CallerContext& operator=(const CallerContext&) = delete;

    bool make_current() { return context_ != nullptr && wglMakeCurrent(dc_, context_); }
    HGLRC context() const { return context_; }
    HDC dc() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

TEST_F(GlContextTest, CreatesUsableHiddenWindowContext) {
    auto context = create_gl_context();
    ASSERT_TRUE(context->usable());
    EXPECT_EQ(context->current_mark(), 0) << "creation restores the caller's state";
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    ASSERT_TRUE(context->make_current());
    EXPECT_EQ(context->current_mark(), 1);
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    // The context's window is never shown.
    const HWND window = WindowFromDC(wglGetCurrentDC());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_GE(version[0], '2') << version;
    EXPECT_TRUE(GLEW_VERSION_2_0);
    context->restore();
    EXPECT_EQ(context->current_mark(), 0);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(GlContextTest, CallersOwnContextAndDcAreCurrentAgainAfterARender) {
    CallerContext caller;
    ASSERT_TRUE(caller.make_current()) << "the test's own WGL context could not be made";
    {
        RenderRun run(make_definition({kIdentityShader}));
        const StagedPicture input = float_picture(2, 2, {0.5f});
        run.set_input(0, input);
        ASSERT_TRUE(run.render()) << run.renderer().error_text();
        EXPECT_EQ(wglGetCurrentContext(), caller.context()) << "after a whole render";
        EXPECT_EQ(wglGetCurrentDC(), caller.dc()) << "after a whole render";
    }
    EXPECT_EQ(wglGetCurrentContext(), caller.context()) << "after the renderer is destroyed";
    EXPECT_EQ(wglGetCurrentDC(), caller.dc());
}

TEST_F(GlContextTest, ThreadWithoutContextHasNoneAfterwards) {
    HGLRC after = reinterpret_cast<HGLRC>(1);
    std::thread worker([&] {
        RenderRun run(make_definition({kIdentityShader}));
        const StagedPicture input = float_picture(1, 1, {0.5f});
        run.set_input(0, input);
        run.render();
        after = wglGetCurrentContext();
    });
    worker.join();
    EXPECT_EQ(after, nullptr);
}

TEST_F(GlContextTest, NestedBracketsRestoreOnlyAtTheOutermost) {
    CallerContext caller;
    ASSERT_TRUE(caller.make_current());
    auto context = create_gl_context();
    ASSERT_TRUE(context->make_current());
    const HGLRC ours = wglGetCurrentContext();
    EXPECT_NE(ours, caller.context());
    ASSERT_TRUE(context->make_current());
    context->restore();
    EXPECT_EQ(wglGetCurrentContext(), ours) << "an inner restore keeps the context for the outer operation";
    context->restore();
    EXPECT_EQ(wglGetCurrentContext(), caller.context());
    context->restore();  // unmatched: changes nothing
    EXPECT_EQ(wglGetCurrentContext(), caller.context());
}

// Two renderers in one process, as a second instance of the plug-in would make: each
// registers its own window class, and destroying one leaves the other usable.
TEST_F(GlContextTest, ASecondContextIsIndependentOfTheFirst) {
    auto first = create_gl_context();
    auto second = create_gl_context();
    ASSERT_TRUE(first->usable());
    ASSERT_TRUE(second->usable());
    first.reset();
    ASSERT_TRUE(second->make_current());
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    second->restore();
}

}  // namespace
}  // namespace fx::test
