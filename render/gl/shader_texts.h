#pragma once

#include <string>

namespace fx {

// The engine's built-in shader texts, handed in by whoever constructs it (the engine
// knows no definition loader).
struct ShaderTexts {
    std::string fallback_vertex_shader;
    std::string fallback_fragment_shader;
    std::string define_directive;  // the word that starts each line of the defines block
};

}  // namespace fx
