#include "definition/loader/builtin_text.h"

#include "definition/loader/unscramble_text.h"

namespace fx {

std::string builtin_text(BuiltinText which) { return unscramble_text(stored_builtin_text(which)); }

std::string_view builtin_text_name(BuiltinText which) {
    switch (which) {
        case BuiltinText::definition:
            return "definition";
        case BuiltinText::options_label:
            return "options_label";
        case BuiltinText::default_vertex_shader:
            return "default_vertex_shader";
        case BuiltinText::fallback_vertex_shader:
            return "fallback_vertex_shader";
        case BuiltinText::fallback_fragment_shader:
            return "fallback_fragment_shader";
        case BuiltinText::define_directive:
            return "define_directive";
        case BuiltinText::shader_confirmation:
            return "shader_confirmation";
        case BuiltinText::text_dialog_cancel:
            return "text_dialog_cancel";
        case BuiltinText::definition_marker:
            return "definition_marker";
        case BuiltinText::definition_folder:
            return "definition_folder";
        case BuiltinText::definition_extension:
            return "definition_extension";
    }
    return "unknown";
}

}  // namespace fx
