// Headless OpenGL context through EGL: no X server and no window. Used wherever the
// platform is not Windows (the simulated host and the tests).

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstring>
#include <memory>

#include "render/gl/driver_workarounds.h"
#include "render/gl/gl_capabilities.h"
#include "render/gl/gl_context.h"

namespace fx {
namespace {

// Mesa's surfaceless platform first, then a driver's devices, then the default display.
EGLDisplay open_display() {
    const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto get_platform_display =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (get_platform_display != nullptr && extension_listed(client, "EGL_MESA_platform_surfaceless")) {
        EGLDisplay display = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) return display;
    }
    EGLDisplay device_display = open_egl_device_display();
    if (device_display != EGL_NO_DISPLAY) return device_display;
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) return display;
    return EGL_NO_DISPLAY;
}

class EglContext final : public GlContext {
public:
    EglContext() {
        // Creation binds our API; the calling thread keeps the API it had bound.
        const EGLenum api = eglQueryAPI();
        create();
        eglBindAPI(api);
    }
    ~EglContext() override { release(); }

    bool usable() const override { return context_ != EGL_NO_CONTEXT; }

private:
    bool switch_to_ours() override {
        // A thread has one current context per client API; the caller's context of our
        // API is the one this bracket replaces, and the caller's bound API comes back too.
        saved_api_ = eglQueryAPI();
        eglBindAPI(EGL_OPENGL_API);
        saved_display_ = eglGetCurrentDisplay();
        saved_draw_ = eglGetCurrentSurface(EGL_DRAW);
        saved_read_ = eglGetCurrentSurface(EGL_READ);
        saved_context_ = eglGetCurrentContext();
        if (!eglMakeCurrent(display_, surface_, surface_, context_)) {
            eglBindAPI(saved_api_);
            return false;
        }
        return true;
    }

    void switch_back() override { put_back_saved(); }

    void put_back_saved() {
        eglBindAPI(EGL_OPENGL_API);
        if (saved_context_ != EGL_NO_CONTEXT && saved_display_ != EGL_NO_DISPLAY) {
            eglMakeCurrent(saved_display_, saved_draw_, saved_read_, saved_context_);
        } else {
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        eglBindAPI(saved_api_);
    }

    void create() {
        display_ = open_display();
        if (display_ == EGL_NO_DISPLAY) return;
        if (!eglBindAPI(EGL_OPENGL_API)) return;
        const char* extensions = eglQueryString(display_, EGL_EXTENSIONS);

        // A 1x1 pbuffer where the driver offers one; otherwise no surface at all, which
        // is enough because every pass draws into the renderer's own framebuffer.
        const EGLint config_attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                            EGL_NONE};
        EGLConfig config = nullptr;
        EGLint config_count = 0;
        const bool have_config =
            eglChooseConfig(display_, config_attributes, &config, 1, &config_count) && config_count > 0;
        if (!have_config) {
            if (!extension_listed(extensions, "EGL_KHR_no_config_context") ||
                !extension_listed(extensions, "EGL_KHR_surfaceless_context")) {
                return;
            }
            config = EGL_NO_CONFIG_KHR;
        }
        // No version or profile attributes: the driver then gives its compatibility
        // profile, where GLSL 1.20 shaders and GL_MAX_TEXTURE_UNITS are valid.
        context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, nullptr);
        if (context_ == EGL_NO_CONTEXT) return;
        if (have_config) {
            const EGLint pbuffer_attributes[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
            surface_ = eglCreatePbufferSurface(display_, config, pbuffer_attributes);
            if (surface_ == EGL_NO_SURFACE && !extension_listed(extensions, "EGL_KHR_surfaceless_context")) {
                release();
                return;
            }
        }

        if (!passes_capability_check()) release();
    }

    // Our context and surface only. The display stays initialised: eglTerminate acts on
    // the whole display, and a host thread may hold contexts of its own on it.
    void release() {
        if (display_ == EGL_NO_DISPLAY) return;
        if (depth_ > 0) {
            depth_ = 0;
            put_back_saved();
        }
        if (context_ != EGL_NO_CONTEXT) {
            // A context still current on this thread would only be marked for deletion.
            const EGLenum api = eglQueryAPI();
            eglBindAPI(EGL_OPENGL_API);
            if (eglGetCurrentContext() == context_) {
                eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            }
            eglBindAPI(api);
            eglDestroyContext(display_, context_);
            context_ = EGL_NO_CONTEXT;
        }
        if (surface_ != EGL_NO_SURFACE) {
            eglDestroySurface(display_, surface_);
            surface_ = EGL_NO_SURFACE;
        }
        current_mark_ = -1;
    }

    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLSurface surface_ = EGL_NO_SURFACE;
    EGLContext context_ = EGL_NO_CONTEXT;

    EGLenum saved_api_ = EGL_OPENGL_API;
    EGLDisplay saved_display_ = EGL_NO_DISPLAY;
    EGLSurface saved_draw_ = EGL_NO_SURFACE;
    EGLSurface saved_read_ = EGL_NO_SURFACE;
    EGLContext saved_context_ = EGL_NO_CONTEXT;
};

}  // namespace

std::unique_ptr<GlContext> create_gl_context() { return std::make_unique<EglContext>(); }

}  // namespace fx
