#include "definition/text.h"

#include <ostream>

namespace fx {

Text::Text() { assign({}); }
Text::Text(std::string_view value) { assign(value); }
Text::Text(const char* value) { assign(value ? std::string_view(value) : std::string_view()); }
Text::Text(const Text& other) { assign(other.view()); }
Text::~Text() = default;

Text& Text::operator=(const Text& other) {
    if (this != &other) assign(other.view());
    return *this;
}

Text& Text::operator=(std::string_view value) {
    assign(value);
    return *this;
}

Text& Text::operator=(const char* value) {
    assign(value ? std::string_view(value) : std::string_view());
    return *this;
}

void Text::assign(std::string_view value) {
    const std::size_t nul = value.find('\0');
    if (nul != std::string_view::npos) value = value.substr(0, nul);
    // Build the new buffer before releasing the old one: the value may point into it.
    std::unique_ptr<char[]> fresh(new char[value.size() + 1]());
    value.copy(fresh.get(), value.size());
    data_ = std::move(fresh);
    size_ = value.size();
}

std::ostream& operator<<(std::ostream& out, const Text& text) { return out << text.view(); }

}  // namespace fx
