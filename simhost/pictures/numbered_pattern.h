#pragma once
// Numbered picture names such as "clip_%04d.png": one printf-style number field (%d or
// %0Nd, N at most 9); "%%" is a literal percent sign. Names are built here, never by
// handing the user's text to printf.
#include <optional>
#include <string>

namespace fx::pictures {

struct NumberedPattern {
    std::string before;
    std::string after;
    int digits = 0;  // zero-padded to this many digits; 0 = no padding

    std::string name(long long number) const;
};

// The pattern in `text`; nullopt when it has no number field (a plain file name).
// Throws PictureError for a malformed field or more than one field.
std::optional<NumberedPattern> parse_numbered_pattern(const std::string& text);

}  // namespace fx::pictures
