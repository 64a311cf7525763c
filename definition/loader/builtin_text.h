#pragma once
// Texts compiled into the library. Their plain form lives in
// definition/loader/builtin/builtin_texts.txt and definition/loader/builtin/morvelline2pro.fxdef;
// the build stores them scrambled (see unscramble_text.h) through the generator
// scramble_builtin_texts, so nobody edits a scrambled literal by hand.
#include <string>
#include <string_view>

namespace fx {

enum class BuiltinText {
    definition,                // the shipped effect definition
    options_label,             // Options-button label when the definition sets no "dialogbutton"
    default_vertex_shader,     // vertex shader of a definition without a [vs] section
    fallback_vertex_shader,    // replaces a vertex shader that does not compile
    fallback_fragment_shader,  // replaces a fragment shader that does not compile
    define_directive,          // word that starts each line of the shader defines block ("#define ")
    shader_confirmation,       // message of the Options command when every shader compiled
    text_dialog_cancel,        // caption of the text dialog's second button
    definition_marker,         // 11 characters; a built-in definition starting with them is read from a file
    definition_folder,         // folder text before the effect name in the per-user data folder
    definition_extension,      // extension (with its dot) of that definition file
};

// Number of BuiltinText values; the last one above plus one.
inline constexpr int kBuiltinTextCount = static_cast<int>(BuiltinText::definition_extension) + 1;

// The name the effect carries when nothing else names it ("bundlename" fallback, data folder).
inline constexpr std::string_view kBuiltinEffectName = "Morvelline 2 Pro";

// The plain text, ready to use.
std::string builtin_text(BuiltinText which);

// The stored (scrambled) literal, beginning with "?".
std::string_view stored_builtin_text(BuiltinText which);

// The enum value's own name ("default_vertex_shader"), for diagnostics and tools.
std::string_view builtin_text_name(BuiltinText which);

}  // namespace fx
