#pragma once
#include <string>
#include <string_view>

namespace fx {

// A text made safe as a single folder or file name: the characters up to the first
// byte below 0x20 or above 0x7F, without any "\", "/", "'" or double quote.
std::string clean_name(std::string_view text);

}  // namespace fx
