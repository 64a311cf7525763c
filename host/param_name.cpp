#include "host/param_name.h"

namespace fx {
namespace {

bool is_continuation_byte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string host_param_name(std::string_view display) {
    if (display.size() <= param_name_limit) return std::string(display);
    std::size_t cut = param_name_limit;
    // Back up to the first byte of the character at the cut: it does not fit whole. A
    // UTF-8 character has at most three continuation bytes; text in another 8-bit
    // encoding is cut at the limit.
    for (int back = 0; back < 3 && is_continuation_byte(display[cut]); ++back) --cut;
    if (is_continuation_byte(display[cut])) cut = param_name_limit;
    return std::string(display.substr(0, cut));
}

}  // namespace fx
