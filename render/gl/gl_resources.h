#pragma once

#include <array>
#include <vector>

#include "render/gl/full_screen_quad.h"
#include "render/gl/gl_framebuffer.h"
#include "render/gl/gl_program.h"
#include "render/gl/gl_texture.h"

namespace fx {

inline constexpr int kTextureSlots = 32;
inline constexpr int kProgramSlots = 32;

// Every GL object the renderer owns in its context: one framebuffer, one quad, a
// texture per input, pass or routed buffer, one program per pass. Destroying it deletes
// them, which expects the context current; forget() first when it cannot be made so.
struct GlResources {
    GlFramebuffer framebuffer;
    FullScreenQuad quad;
    std::vector<GlTexture> textures;  // at most kTextureSlots
    std::array<GlProgram, kProgramSlots> programs;

    void forget() {
        framebuffer.forget();
        quad.forget();
        for (GlTexture& texture : textures) texture.forget();
        for (GlProgram& program : programs) program.forget();
    }
};

}  // namespace fx
