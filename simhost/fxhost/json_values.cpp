#include "simhost/fxhost/json_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace fx::fxhost {
namespace {

// Length of the well-formed UTF-8 sequence starting at `at`, or 0 when the bytes there
// are not one (stray continuation bytes, overlong forms, surrogates, code points above
// U+10FFFF, truncated sequences).
size_t utf8_sequence_length(std::string_view bytes, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

}  // namespace

Json json_string(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
            ++i;
            continue;
        }
        if (const size_t length = utf8_sequence_length(bytes, i)) {
            utf8.append(bytes.substr(i, length));
            i += length;
            continue;
        }
        // U+0080..U+00FF in two bytes.
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
        ++i;
    }
    return utf8;
}

Json json_float(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    // The shortest text of the float, read as a double: the library then writes that
    // double's shortest text, which is the same digits, rather than the float's binary
    // value spelled out to double precision (0.1f as 0.10000000149011612).
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text - 1, value);
    if (written.ec != std::errc{}) return static_cast<double>(value);
    *written.ptr = '\0';
    return std::strtod(text, nullptr);
}

std::string json_report(const Json& report) { return report.dump(2) + "\n"; }

}  // namespace fx::fxhost
