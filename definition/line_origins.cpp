#include "definition/line_origins.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace fx {
namespace {

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string_view::npos) stop = text.size();
        lines.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return lines;
}

// Pairs (written index, expanded index) of a longest common subsequence of the lines in
// the middle ranges; empty when the ranges are too large to compare line by line.
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// The table holds (n + 1) * (m + 1) counts; past this the middle is mapped in order only.
constexpr std::size_t kMaxCompareCells = 4u << 20;

Pairs common_lines(const std::vector<std::string_view>& a, std::size_t a0, std::size_t a1,
                   const std::vector<std::string_view>& b, std::size_t b0, std::size_t b1) {
    const std::size_t n = a1 - a0;
    const std::size_t m = b1 - b0;
    Pairs pairs;
    if (n == 0 || m == 0 || (n + 1) * (m + 1) > kMaxCompareCells) return pairs;
    // length[i][j]: common lines of a[a0 + i ..] and b[b0 + j ..].
    std::vector<std::uint32_t> length((n + 1) * (m + 1), 0);
    auto at = [m](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            length[at(i, j)] = a[a0 + i] == b[b0 + j] ? length[at(i + 1, j + 1)] + 1
                                                      : std::max(length[at(i + 1, j)], length[at(i, j + 1)]);
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[a0 + i] == b[b0 + j]) {
            pairs.emplace_back(a0 + i, b0 + j);
            ++i, ++j;
        } else if (length[at(i + 1, j)] >= length[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
    return pairs;
}

}  // namespace

LineOrigins::LineOrigins(std::string_view written, std::string_view expanded) {
    const std::vector<std::string_view> a = split_lines(written);
    const std::vector<std::string_view> b = split_lines(expanded);
    // Matched lines: the common beginning and end, and a common subsequence between them.
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
    Pairs matched;
    for (std::size_t i = 0; i < head; ++i) matched.emplace_back(i, i);
    const Pairs middle = common_lines(a, head, a.size() - tail, b, head, b.size() - tail);
    matched.insert(matched.end(), middle.begin(), middle.end());
    for (std::size_t i = tail; i-- > 0;) matched.emplace_back(a.size() - 1 - i, b.size() - 1 - i);
    matched.emplace_back(a.size(), b.size());  // sentinel past both ends

    origin_.assign(b.size(), 1);
    std::size_t a_next = 0;  // first written line after the last match
    std::size_t b_next = 0;
    for (const auto& [ai, bi] : matched) {
        // Unmatched expanded lines b_next .. bi - 1 stand for written lines a_next .. ai - 1.
        for (std::size_t j = b_next; j < bi; ++j) {
            std::size_t origin = a_next == 0 ? 0 : a_next - 1;
            if (ai > a_next) origin = std::min(a_next + (j - b_next), ai - 1);
            origin_[j] = static_cast<int32_t>(origin + 1);
        }
        if (bi < b.size()) origin_[bi] = static_cast<int32_t>(ai + 1);
        a_next = ai + 1;
        b_next = bi + 1;
    }
}

int32_t LineOrigins::written_line(int32_t index) const {
    if (index < 0 || origin_.empty()) return 1;
    return origin_[std::min(static_cast<std::size_t>(index), origin_.size() - 1)];
}

}  // namespace fx
