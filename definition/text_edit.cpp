#include "definition/text_edit.h"

namespace fx {

std::string_view trim(std::string_view text, std::string_view chars) {
    const std::size_t first = text.find_first_not_of(chars);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(chars);
    return text.substr(first, last - first + 1);
}

std::string to_lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string to_upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

bool replace_all(std::string& text, std::string_view from, std::string_view to, std::size_t max_size) {
    if (from.empty()) return true;
    // Occurrences the size bound allows; counting stops as soon as there are more.
    std::size_t allowed = std::string::npos;
    if (to.size() > from.size()) {
        if (text.size() > max_size) return false;
        allowed = (max_size - text.size()) / (to.size() - from.size());
    }
    std::size_t count = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + from.size())) {
        if (++count > allowed) return false;
    }
    if (count == 0) return true;
    std::string result;
    result.reserve(text.size() - count * from.size() + count * to.size());
    std::size_t done = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result.append(to);
        done = at + from.size();
    }
    result.append(text, done, std::string::npos);
    text = std::move(result);
    return true;
}

}  // namespace fx
