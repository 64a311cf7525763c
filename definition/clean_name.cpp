#include "definition/clean_name.h"

namespace fx {

std::string clean_name(std::string_view text) {
    std::string out;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7F) break;
        if (c == '\\' || c == '/' || c == '\'' || c == '"') continue;
        out += c;
    }
    return out;
}

}  // namespace fx
