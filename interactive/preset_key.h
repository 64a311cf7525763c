#pragma once
// The key that scrambles and unscrambles preset files: the MD5 digest of a fixed
// four-character tag, written as 32 lowercase hexadecimal characters. Every engine that
// reads or writes presets derives the same key from the same tag.
#include <string>
#include <string_view>

namespace fx {

// The tag the preset key is derived from; docs/preset-format.md names it for other tools.
inline constexpr std::string_view kPresetKeyTag = "fxPK";

// The MD5 digest of `bytes` as 32 lowercase hexadecimal characters.
std::string md5_hex(std::string_view bytes);

// md5_hex(kPresetKeyTag), computed once.
const std::string& preset_key();

}  // namespace fx
