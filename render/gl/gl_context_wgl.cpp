// OpenGL context on a hidden window through WGL: WGL needs a window to create a
// context, so a tiny window that is never shown carries it.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <GL/glew.h>

#include <memory>
#include <string>

#include "render/gl/gl_capabilities.h"
#include "render/gl/gl_context.h"

namespace fx {
namespace {

class WglContext final : public GlContext {
public:
    WglContext() { create(); }
    ~WglContext() override { release(); }

    bool usable() const override { return context_ != nullptr; }

private:
    bool switch_to_ours() override {
        saved_dc_ = wglGetCurrentDC();
        saved_context_ = wglGetCurrentContext();
        return wglMakeCurrent(dc_, context_) != 0;
    }

    // With nothing saved this makes no context current, as the thread had it.
    void switch_back() override { wglMakeCurrent(saved_dc_, saved_context_); }

    void create() {
        current_mark_ = -1;
        // A new class name per process start and object, so a class an earlier instance
        // left registered cannot get in the way.
        class_name_ = "VQMX_CLASS" + std::to_string(GetTickCount64());
        instance_ = GetModuleHandleA(nullptr);

        WNDCLASSEXA window_class = {};
        window_class.cbSize = sizeof(WNDCLASSEXA);  // 80 bytes
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = instance_;
        window_class.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32517));      // IDI_WINLOGO
        window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        window_class.lpszClassName = class_name_.c_str();
        if (!RegisterClassExA(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;

        window_ = CreateWindowExA(WS_EX_APPWINDOW, class_name_.c_str(), "TMP",
                                  WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW, 0, 0, 5, 5, nullptr, nullptr,
                                  instance_, nullptr);
        if (window_ == nullptr) {
            UnregisterClassA(class_name_.c_str(), instance_);
            return;
        }

        dc_ = GetDC(window_);
        PIXELFORMATDESCRIPTOR format = {};
        format.nSize = sizeof(PIXELFORMATDESCRIPTOR);  // 40 bytes
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;  // 0x24: single-buffered
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 24;
        const int chosen = dc_ != nullptr ? ChoosePixelFormat(dc_, &format) : 0;
        if (chosen == 0 || !SetPixelFormat(dc_, chosen, &format)) {
            release();
            return;
        }

        context_ = wglCreateContext(dc_);
        if (context_ == nullptr) {
            release();
            return;
        }
        // On Windows glewInit loads the core entry points and then WGL's own. A context
        // that cannot load them or lacks a required feature is dropped, so frames fail
        // cleanly instead of calling missing functions.
        if (!passes_capability_check()) release();
    }

    // Each system call's failure is ignored: there is nothing left to undo.
    void release() {
        if (context_ != nullptr) {
            if (depth_ == 0) {
                saved_dc_ = wglGetCurrentDC();
                saved_context_ = wglGetCurrentContext();
            }
            HGLRC ours = context_;
            wglMakeCurrent(dc_, ours);
            wglDeleteContext(ours);
            context_ = nullptr;
            // The deleted context cannot be made current again.
            if (saved_context_ == ours) {
                saved_dc_ = nullptr;
                saved_context_ = nullptr;
            }
            wglMakeCurrent(saved_dc_, saved_context_);
            depth_ = 0;
        }
        if (window_ != nullptr) {
            if (dc_ != nullptr) ReleaseDC(window_, dc_);
            DestroyWindow(window_);
            UnregisterClassA(class_name_.c_str(), instance_);
            window_ = nullptr;
            dc_ = nullptr;
        }
        current_mark_ = -1;
    }

    std::string class_name_;
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HDC saved_dc_ = nullptr;
    HGLRC saved_context_ = nullptr;
};

}  // namespace

std::unique_ptr<GlContext> create_gl_context() { return std::make_unique<WglContext>(); }

}  // namespace fx
