#include "simhost/pictures/numbered_pattern.h"

#include <cctype>

#include "simhost/pictures/picture.h"

namespace fx::pictures {

std::string NumberedPattern::name(long long number) const {
    std::string digits_text = std::to_string(number < 0 ? -number : number);
    if (static_cast<int>(digits_text.size()) < digits)
        digits_text.insert(0, static_cast<std::size_t>(digits) - digits_text.size(), '0');
    return before + (number < 0 ? "-" : "") + digits_text + after;
}

std::optional<NumberedPattern> parse_numbered_pattern(const std::string& text) {
    NumberedPattern pattern;
    bool found = false;
    std::string* part = &pattern.before;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            *part += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            *part += '%';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int digits = 0;
        if (j < text.size() && text[j] == '0') {
            ++j;
            const std::size_t start = j;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
                digits = digits * 10 + (text[j++] - '0');
            if (j == start || j - start > 1 || digits == 0)
                throw PictureError(text + ": bad number field, expected %d or %0Nd with N from 1 to 9");
        }
        if (j >= text.size() || text[j] != 'd')
            throw PictureError(text + ": bad number field, expected %d or %0Nd (write %% for a percent sign)");
        if (found) throw PictureError(text + ": more than one number field, expected one");
        found = true;
        pattern.digits = digits;
        part = &pattern.after;
        i = j;
    }
    if (!found) return std::nullopt;
    return pattern;
}

}  // namespace fx::pictures
