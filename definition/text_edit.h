#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fx {

// Text operations of the definition language. Lowercasing and uppercasing change ASCII
// letters only, whatever the process locale.

inline constexpr std::string_view kBlanks = " \t";
inline constexpr std::string_view kLineBlanks = " \r\n\t";

// Removes the characters in `chars` from both ends.
std::string_view trim(std::string_view text, std::string_view chars);

std::string to_lower(std::string_view text);
std::string to_upper(std::string_view text);

// Replaces every non-overlapping occurrence of `from` by `to`, scanning left to right and
// continuing after the inserted text (which is not scanned again). An empty `from`
// matches nothing. When the result would be longer than `max_size` bytes the text is left
// unchanged and false is returned, so a hostile definition cannot grow without bound.
// Time is linear in the text plus `from` (see TextSearch); `steps`, when given, receives
// the byte comparisons made.
bool replace_all(std::string& text, std::string_view from, std::string_view to,
                 std::size_t max_size = std::string::npos, std::size_t* steps = nullptr);

}  // namespace fx
