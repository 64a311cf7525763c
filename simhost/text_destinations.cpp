#include "simhost/text_destinations.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace fx {

void TextDestinations::add(char* begin, std::size_t size) {
    std::lock_guard lock(mutex_);
    std::erase_if(regions_, [&](const Region& r) { return r.begin == begin; });
    regions_.push_back({begin, size});
}

void TextDestinations::remove(char* begin) {
    std::lock_guard lock(mutex_);
    std::erase_if(regions_, [&](const Region& r) { return r.begin == begin; });
}

std::optional<std::size_t> TextDestinations::room(const char* destination) const {
    std::lock_guard lock(mutex_);
    const std::less<const char*> before;
    for (const Region& r : regions_) {
        if (!before(destination, r.begin) && before(destination, r.begin + r.size)) {
            return static_cast<std::size_t>(r.begin + r.size - destination);
        }
    }
    return std::nullopt;
}

StoredText TextDestinations::store(char* destination, const std::string& text) const {
    StoredText result;
    const std::optional<std::size_t> space = room(destination);
    std::size_t n = text.size();
    if (space && n + 1 > *space) {
        n = *space - 1;
        result.truncated = true;
    }
    std::memcpy(destination, text.data(), n);
    destination[n] = '\0';
    result.stored = n;
    return result;
}

std::string format_text(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed <= 0) return {};
    std::string text(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(needed));
    return text;
}

}  // namespace fx
