#include "render/shader_builtin_texts.h"

#include "definition/loader/builtin_text.h"

namespace fx {

std::string shader_builtin_text(ShaderBuiltinText which) {
    switch (which) {
        case ShaderBuiltinText::default_vertex_shader:
            return builtin_text(BuiltinText::default_vertex_shader);
        case ShaderBuiltinText::fallback_vertex_shader:
            return builtin_text(BuiltinText::fallback_vertex_shader);
        case ShaderBuiltinText::fallback_fragment_shader:
            return builtin_text(BuiltinText::fallback_fragment_shader);
        case ShaderBuiltinText::define_directive:
            return builtin_text(BuiltinText::define_directive);
        case ShaderBuiltinText::shader_confirmation:
            return builtin_text(BuiltinText::shader_confirmation);
    }
    return {};
}

ShaderTexts builtin_shader_texts() {
    return ShaderTexts{shader_builtin_text(ShaderBuiltinText::fallback_vertex_shader),
                       shader_builtin_text(ShaderBuiltinText::fallback_fragment_shader),
                       shader_builtin_text(ShaderBuiltinText::define_directive)};
}

}  // namespace fx
