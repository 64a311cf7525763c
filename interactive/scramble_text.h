#pragma once
// The keyed byte scrambling of preset files. Each byte is XORed with a keystream byte
// that depends on the key and on the plain bytes before it; a byte equal to its
// keystream byte passes unchanged, so a text without zero bytes never scrambles to a
// zero byte, and only such texts (preset files scramble hexadecimal text) unscramble to
// what was scrambled.
#include <string>
#include <string_view>

namespace fx {

std::string ScrambleText(std::string_view plain, std::string_view key);
std::string UnscrambleText(std::string_view scrambled, std::string_view key);

}  // namespace fx
