#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

// Finds a fixed text in texts, in time linear in the text searched plus the pattern
// whatever both contain. std::string::find compares the pattern anew at every position,
// so a long "[replace]" rule over a long text costs their product; here the pattern's
// self-overlaps are worked out once (Knuth-Morris-Pratt) and every byte of the text is
// looked at a bounded number of times.
class TextSearch {
public:
    explicit TextSearch(std::string_view pattern);

    // Position of the first occurrence of the pattern in `text` at or after `from`, or
    // npos. An empty pattern matches nothing. Searching on after a match from its end
    // gives the non-overlapping occurrences left to right, as replacing them needs.
    std::size_t find(std::string_view text, std::size_t from = 0) const;

    std::size_t size() const { return pattern_.size(); }

    // Byte comparisons made by all searches so far: the work measure that shows a step
    // stays linear in its input.
    std::size_t steps() const { return steps_; }

private:
    std::string pattern_;
    std::vector<std::size_t> fallback_;  // longest proper border of each pattern prefix
    mutable std::size_t steps_ = 0;
};

}  // namespace fx
