#include "definition/loader/unscramble_text.h"

namespace fx {
namespace {

// Printable characters form a ring of 95 codes, 32 (space) to 126 ("~").
constexpr int kRingFirst = 32;
constexpr int kRingLast = 126;
constexpr int kRingSize = kRingLast - kRingFirst + 1;

bool is_printable(unsigned char c) { return c >= kRingFirst && c <= kRingLast; }

int shift_at(size_t position) { return 4 * static_cast<int>(position % 3); }

}  // namespace

std::string unscramble_text(std::string_view literal) {
    if (literal.empty()) return {};
    std::string out(literal.substr(1));
    if (literal.front() != '?') return out;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (!is_printable(c)) continue;
        int shifted = c - shift_at(i);
        if (shifted < kRingFirst) shifted += kRingSize;
        out[i] = static_cast<char>(shifted);
    }
    return out;
}

std::string scramble_text(std::string_view plain) {
    std::string out = "?";
    out.reserve(plain.size() + 1);
    for (size_t i = 0; i < plain.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(plain[i]);
        if (!is_printable(c)) {
            out += plain[i];
            continue;
        }
        int shifted = c + shift_at(i);
        if (shifted > kRingLast) shifted -= kRingSize;
        out += static_cast<char>(shifted);
    }
    return out;
}

}  // namespace fx
