#include "render/gl/fragment_assembly.h"

namespace fx {

std::string assemble_fragment_source(const std::string& source, const std::string& defines_block) {
    const std::size_t first_break = source.find('\n');
    if (first_break == std::string::npos) return "\n" + defines_block + "\n" + source;
    return source.substr(0, first_break) + "\n" + defines_block + "\n" + source.substr(first_break);
}

}  // namespace fx
