#include "render/shader_builtin_texts.h"

namespace fx {

// Interim plain texts until the library's stored built-in texts are available; the
// fallbacks use the quad's interface (position vec3, texture coordinate vec2).
std::string shader_builtin_text(ShaderBuiltinText which) {
    switch (which) {
        case ShaderBuiltinText::default_vertex_shader:
        case ShaderBuiltinText::fallback_vertex_shader:
            return "#version 120\n"
                   "attribute vec3 position;\n"
                   "attribute vec2 texcoord;\n"
                   "varying vec2 uv;\n"
                   "void main() {\n"
                   "    uv = texcoord;\n"
                   "    gl_Position = vec4(position, 1.0);\n"
                   "}\n";
        case ShaderBuiltinText::fallback_fragment_shader:
            return "#version 120\n"
                   "varying vec2 uv;\n"
                   "uniform sampler2D in0;\n"
                   "void main() {\n"
                   "    gl_FragColor = texture2D(in0, uv);\n"
                   "}\n";
        case ShaderBuiltinText::define_directive:
            return "#define ";
        case ShaderBuiltinText::shader_confirmation:
            return "All shaders compiled.";
    }
    return {};
}

}  // namespace fx
