#include "definition/text_edit.h"

#include "definition/text_search.h"

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

bool replace_all(std::string& text, std::string_view from, std::string_view to, std::size_t max_size,
                 std::size_t* steps) {
    if (from.empty()) return true;
    const TextSearch search(from);
    const auto report_steps = [&] {
        if (steps) *steps = search.steps();
    };
    // Occurrences the size bound allows; counting stops as soon as there are more.
    std::size_t allowed = std::string::npos;
    if (to.size() > from.size()) {
        if (text.size() > max_size) return false;
        allowed = (max_size - text.size()) / (to.size() - from.size());
    }
    // Two passes, counting and then building, rather than a list of positions: a
    // one-byte rule over a long text would need eight bytes per occurrence.
    std::size_t count = 0;
    for (std::size_t at = search.find(text); at != std::string::npos; at = search.find(text, at + from.size())) {
        if (++count > allowed) {
            report_steps();
            return false;
        }
    }
    if (count == 0) {
        report_steps();
        return true;
    }
    std::string result;
    result.reserve(text.size() - count * from.size() + count * to.size());
    std::size_t done = 0;
    for (std::size_t at = search.find(text); at != std::string::npos; at = search.find(text, done)) {
        result.append(text, done, at - done);
        result.append(to);
        done = at + from.size();
    }
    result.append(text, done, std::string::npos);
    report_steps();
    text = std::move(result);
    return true;
}

}  // namespace fx
