#pragma once

#include <string>

#include "render/gl/shader_texts.h"

namespace fx {

// The renderer's built-in texts (stored scrambled in the library), as plain text.
enum class ShaderBuiltinText {
    default_vertex_shader,
    fallback_vertex_shader,
    fallback_fragment_shader,
    define_directive,  // the word that starts each line of the defines block
    shader_confirmation,
};

std::string shader_builtin_text(ShaderBuiltinText which);

// The texts the GL engine is constructed with.
ShaderTexts builtin_shader_texts();

}  // namespace fx
