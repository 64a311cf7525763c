#pragma once

#include <string>

namespace fx {

// A pass's fragment source with the defines block inserted after its first line (the
// version line, which GLSL wants first): head, line break, block, line break, then the
// rest starting with its own line break. A source without a line break is all "rest".
std::string assemble_fragment_source(const std::string& source, const std::string& defines_block);

}  // namespace fx
