#include "render/gl/gl_capabilities.h"

#include <GL/glew.h>

#include <cstring>

#include "render/gl/driver_workarounds.h"

namespace fx {

bool load_gl_entry_points() {
    load_unlisted_gl_entry_points();
    return accept_glew_init_result(glewInit());
}

bool has_required_gl_capabilities() {
    GLint texture_units = 0;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &texture_units);
    if (texture_units < 2) return false;
    if (glGetString(GL_VERSION) == nullptr || glGetString(GL_EXTENSIONS) == nullptr) return false;
    if (!GLEW_VERSION_2_0) return false;
    static const char* const required[] = {
        "GL_ARB_color_buffer_float", "GL_ARB_texture_float",   "GL_ARB_vertex_program", "GL_ARB_vertex_shader",
        "GL_ARB_texture_cube_map",   "GL_ARB_fragment_shader", "GL_ARB_draw_buffers",   "GL_ARB_framebuffer_object",
    };
    for (const char* name : required) {
        if (!glewIsSupported(name)) return false;
    }
    return true;
}

bool extension_listed(const char* list, const char* name) {
    if (list == nullptr) return false;
    const std::size_t length = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += length) {
        const bool starts = p == list || p[-1] == ' ';
        const bool ends = p[length] == ' ' || p[length] == '\0';
        if (starts && ends) return true;
    }
    return false;
}

}  // namespace fx
