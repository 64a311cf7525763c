#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fx {

// What the definition language knows, for the parser's warnings: each function returns
// why the parser will ignore or misread the section, key or value, or nothing when it
// will use it as written. Keys and section names come lowercased; an empty value never
// counts as a problem (inline headers leave fields empty on purpose).
//
// The parser itself stays lenient: these checks only explain what it does anyway.

std::optional<std::string> section_problem(std::string_view name);
std::optional<std::string> attribute_problem(std::string_view key, std::string_view value);
std::optional<std::string> settings_problem(std::string_view key, std::string_view value);
std::optional<std::string> routing_problem(std::string_view key, std::string_view value);

}  // namespace fx
