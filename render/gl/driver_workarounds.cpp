#include "render/gl/driver_workarounds.h"
#include "render/gl/gl_capabilities.h"

#include <GL/glew.h>

#include <cstring>
#include <string>

#ifndef _WIN32
#include <EGL/egl.h>
#include <EGL/eglext.h>
#endif

namespace fx {
namespace {

bool is_position_type(GLenum type) { return type == GL_FLOAT_VEC3 || type == GL_FLOAT_VEC4; }

}  // namespace

void load_unlisted_gl_entry_points() { glewExperimental = GL_TRUE; }

bool accept_glew_init_result(unsigned int glew_result) {
    if (glew_result == GLEW_OK) return true;
#ifdef GLEW_ERROR_NO_GLX_DISPLAY
    if (glew_result == GLEW_ERROR_NO_GLX_DISPLAY) return GLEW_VERSION_2_0 != 0;
#endif
    return false;
}

#ifndef _WIN32
void* open_egl_device_display() {
    const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto get_platform_display =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    auto query_devices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    if (get_platform_display == nullptr || query_devices == nullptr ||
        !extension_listed(client, "EGL_EXT_platform_device")) {
        return EGL_NO_DISPLAY;
    }
    EGLDeviceEXT devices[8];
    EGLint count = 0;
    if (!query_devices(8, devices, &count)) return EGL_NO_DISPLAY;
    for (EGLint i = 0; i < count; ++i) {
        EGLDisplay display = get_platform_display(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) return display;
    }
    return EGL_NO_DISPLAY;
}
#endif

bool place_quad_attributes(std::uint32_t program) {
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &count);
    std::string position;
    std::string texcoord;
    int position_candidates = 0;
    int texcoord_candidates = 0;
    for (GLint index = 0; index < count; ++index) {
        char name[256] = {};
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(program, static_cast<GLuint>(index), sizeof(name), &length, &size, &type, name);
        if (std::strncmp(name, "gl_", 3) == 0) continue;
        if (is_position_type(type)) {
            position = name;
            ++position_candidates;
        } else if (type == GL_FLOAT_VEC2) {
            texcoord = name;
            ++texcoord_candidates;
        }
    }
    bool moved = false;
    if (position_candidates == 1 && glGetAttribLocation(program, position.c_str()) != 0) {
        glBindAttribLocation(program, 0, position.c_str());
        moved = true;
    }
    if (texcoord_candidates == 1 && glGetAttribLocation(program, texcoord.c_str()) != 1) {
        glBindAttribLocation(program, 1, texcoord.c_str());
        moved = true;
    }
    if (moved) glLinkProgram(program);
    return moved;
}

}  // namespace fx
