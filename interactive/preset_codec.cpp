#include "interactive/preset_codec.h"

#include "interactive/scramble_text.h"

namespace fx {
namespace {

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string to_hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::optional<std::string> from_hex(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 2);
    int high = -1;
    for (char c : text) {
        if (is_blank(c)) continue;
        const int value = digit_value(c);
        if (value < 0) return std::nullopt;
        if (high < 0) {
            high = value;
        } else {
            out += static_cast<char>((high << 4) | value);
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return out;
}

std::string encode_preset(std::string_view plain, std::string_view key) {
    return to_hex(ScrambleText(to_hex(plain), key));
}

std::optional<std::string> decode_preset(std::string_view content, std::string_view key) {
    const auto scrambled = from_hex(content);
    if (!scrambled) return std::nullopt;
    return from_hex(UnscrambleText(*scrambled, key));
}

}  // namespace fx
