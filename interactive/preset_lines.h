#pragma once
// The lines of a decoded preset text. A preset is taken only whole: a text that is cut
// short, or holds anything but image ("I"), text ("T"), visibility ("V") and value lines,
// is no preset, so a damaged or foreign file changes nothing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

// The text's lines, each trimmed of blanks, tabs, CR and LF, empty ones dropped; nothing
// unless the text ends with its last line's line end, that last line is the only
// visibility line, no line holds a control character other than a tab, every visibility field and
// every field of a value line is a number, and a value line has at least one field.
std::optional<std::vector<std::string>> preset_lines(std::string_view plain);

// The "|"-separated fields of a line, empty fields dropped.
std::vector<std::string_view> split_fields(std::string_view line);

// A decimal number as the preset writer writes it (a leading "+" is also taken); nothing
// unless the whole field is the number. Independent of the process's locale.
std::optional<double> read_number(std::string_view field);

// `value` in general notation with 6 significant digits, independent of the locale.
std::string write_number(double value);

}  // namespace fx
