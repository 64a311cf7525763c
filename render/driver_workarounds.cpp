#include "render/driver_workarounds.h"

#include <GL/glew.h>

namespace fx {

bool accept_glew_init_result(unsigned int glew_result) {
    if (glew_result == GLEW_OK) return true;
#ifdef GLEW_ERROR_NO_GLX_DISPLAY
    if (glew_result == GLEW_ERROR_NO_GLX_DISPLAY) return GLEW_VERSION_2_0 != 0;
#endif
    return false;
}

void drain_gl_errors() {
    // Bounded: a lost context can report GL_CONTEXT_LOST on every call.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {}
}

}  // namespace fx
