#pragma once
// The two hexadecimal layers of a preset file: the file is the hexadecimal text of the
// scrambled hexadecimal text of the plain preset text.
#include <optional>
#include <string>
#include <string_view>

namespace fx {

// Lowercase hexadecimal, two digits a byte, no separators.
std::string to_hex(std::string_view bytes);
// The bytes of a hexadecimal text, blanks (space, tab, CR, LF) ignored and either case
// of digit taken; nothing when anything else is in it or a digit is left without its pair.
std::optional<std::string> from_hex(std::string_view text);

// The file content for a plain preset text.
std::string encode_preset(std::string_view plain, std::string_view key);
// The plain text of a file's content; nothing when either layer is not hexadecimal.
std::optional<std::string> decode_preset(std::string_view content, std::string_view key);

}  // namespace fx
