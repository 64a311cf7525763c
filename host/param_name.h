#pragma once
// A parameter's name as the host takes it: at most 31 bytes in a 32-byte field.

#include <string>
#include <string_view>

namespace fx {

inline constexpr std::size_t param_name_limit = 31;

// `display` cut to param_name_limit bytes. A longer name is cut before the character
// that would cross the limit, never inside a UTF-8 sequence, so the host never shows a
// broken last character; the text is otherwise passed on as it stands.
std::string host_param_name(std::string_view display);

}  // namespace fx
