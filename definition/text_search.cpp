#include "definition/text_search.h"

namespace fx {

TextSearch::TextSearch(std::string_view pattern) : pattern_(pattern), fallback_(pattern.size(), 0) {
    std::size_t border = 0;
    for (std::size_t i = 1; i < pattern_.size(); ++i) {
        while (border > 0 && pattern_[i] != pattern_[border]) border = fallback_[border - 1];
        if (pattern_[i] == pattern_[border]) ++border;
        fallback_[i] = border;
    }
}

std::size_t TextSearch::find(std::string_view text, std::size_t from) const {
    if (pattern_.empty()) return std::string_view::npos;
    std::size_t matched = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        // Where no partial match is pending, memchr-speed skipping to the first byte.
        if (matched == 0) {
            const std::size_t next = text.find(pattern_[0], i);
            steps_ += (next == std::string_view::npos ? text.size() : next) - i;
            if (next == std::string_view::npos) return std::string_view::npos;
            i = next;
        }
        while (matched > 0 && text[i] != pattern_[matched]) {
            matched = fallback_[matched - 1];
            ++steps_;
        }
        ++steps_;
        if (text[i] == pattern_[matched]) ++matched;
        if (matched == pattern_.size()) return i + 1 - pattern_.size();
    }
    return std::string_view::npos;
}

}  // namespace fx
