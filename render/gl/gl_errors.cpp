#include "render/gl/gl_errors.h"

#include <GL/glew.h>

namespace fx {

void drain_gl_errors() {
    // Bounded: a lost context can report GL_CONTEXT_LOST on every call.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {}
}

void discard_uniform_type_errors() { drain_gl_errors(); }

}  // namespace fx
