#pragma once

#include <GL/glew.h>

namespace fx {

// The wrap mode for a repeat setting: 1 repeats, 2 mirrors, anything else clamps.
inline GLint texture_wrap_mode(int repeat) {
    switch (repeat) {
        case 1:
            return GL_REPEAT;
        case 2:
            return GL_MIRRORED_REPEAT;
        default:
            return GL_CLAMP_TO_EDGE;
    }
}

}  // namespace fx
