#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "definition/parse_diagnostic.h"

namespace fx {

// Everything the definition parser needs from outside the definition library. The
// library itself touches no file system and no operating system; the loader fills these
// with the platform's functions and the built-in texts (already unscrambled). A member
// left empty behaves as its default.
struct ParseEnvironment {
    // Content of the file at `path`, at most `max_bytes` bytes of it, "" when it cannot be
    // read. Used by "#include", which asks for no more than fits under the text bound, so
    // a huge file is not read whole only to be dropped. It must not wait: a pipe or device
    // reads as "". Default: reads nothing, so includes contribute nothing.
    std::function<std::string(const std::string& path, std::size_t max_bytes)> read_file;

    // Every regular file below `folder` whose full path, lowercased, contains `filter`
    // lowercased; recursive. Used to build the preset-file popup. Default: no files.
    std::function<std::vector<std::string>(const std::string& folder, const std::string& filter)> list_files;

    // The all-users and the current user's application-data folders ("" when unknown).
    // Default: "".
    std::function<std::string()> common_app_data_folder;
    std::function<std::string()> user_app_data_folder;

    // Plain text of the built-in default vertex shader, used when a definition with passes
    // has no vertex section. Default: default_vertex_shader().
    std::function<std::string()> default_vertex_shader;

    // Plain text of the built-in Options-button label, used when the definition sets no
    // "dialogbutton". Default: default_dialog_button().
    std::function<std::string()> default_dialog_button;

    // Receives what the parser ignored or misread (unknown sections, keys and type words,
    // values that read as 0 where a number was expected, preset lines naming no slot), as
    // warnings with the line of the text as written. When set, the "exception on line"
    // report goes here as an error instead of to standard output. Default: empty, nothing
    // is reported and that report goes to standard output.
    ParseDiagnosticSink diagnostics;
};

// A full-screen-quad vertex shader for "#version 120": it reads only the position
// (generic attribute 0, which gl_Vertex aliases) and derives the texture coordinate from
// it, so it works whichever location a driver gives an unused attribute. It provides
// the varyings `uv` and `texcoord` (identical) for fragment shaders.
std::string default_vertex_shader();

// "Reload Definition": the Options button re-reads and re-parses the effect definition.
std::string default_dialog_button();

// Environment in which every member holds the default described above.
ParseEnvironment default_parse_environment();

}  // namespace fx
