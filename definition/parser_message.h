#pragma once

#include <string_view>

namespace fx {

// Writes one line of the definition parser's report to standard output, where the
// "exception on line" message goes too: what the parser refused or cut, so that the
// author of a definition sees why a part of it had no effect.
void report_parser_message(std::string_view message);

}  // namespace fx
