#include "definition/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "definition/text_edit.h"

namespace fx {
namespace {

std::vector<std::size_t> with_find(const std::string& text, const std::string& pattern) {
    std::vector<std::size_t> found;
    for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + pattern.size()))
        found.push_back(at);
    return found;
}

std::vector<std::size_t> with_search(const std::string& text, const std::string& pattern) {
    const TextSearch search(pattern);
    std::vector<std::size_t> found;
    for (std::size_t at = search.find(text); at != std::string::npos; at = search.find(text, at + pattern.size()))
        found.push_back(at);
    return found;
}

// Small alphabets make self-overlapping patterns, where a wrong fallback shows.
TEST(TextSearch, FindsWhatStringFindFinds) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        const int letters = 1 + static_cast<int>(random() % 3);
        std::string text(random() % 40, 'a');
        std::string pattern(1 + random() % 6, 'a');
        for (char& c : text) c = static_cast<char>('a' + random() % letters);
        for (char& c : pattern) c = static_cast<char>('a' + random() % letters);
        ASSERT_EQ(with_search(text, pattern), with_find(text, pattern)) << text << " / " << pattern;
    }
    EXPECT_EQ(TextSearch("").find("abc"), std::string::npos);
    EXPECT_EQ(TextSearch("c").find("abc", 5), std::string::npos);
}

// "aaa…ab" in "aaa…a" is the worst case of a naive search: text length × pattern length
// comparisons. Here the comparisons stay below twice the text, and doubling either length
// at most doubles them.
TEST(TextSearch, WorkIsLinearInTextAndPattern) {
    const auto steps = [](std::size_t text_size, std::size_t pattern_size) {
        const TextSearch search(std::string(pattern_size - 1, 'a') + "b");
        EXPECT_EQ(search.find(std::string(text_size, 'a')), std::string::npos);
        return search.steps();
    };
    const std::size_t base = steps(1 << 16, 1 << 12);
    EXPECT_LE(base, 2u << 16);
    EXPECT_LE(steps(2 << 16, 1 << 12), 2 * base + (1 << 12));
    EXPECT_LE(steps(1 << 16, 2 << 12), base + 16) << "a longer pattern costs no more on the same text";
}

TEST(ReplaceAll, ReportsLinearSteps) {
    std::string text(1 << 16, 'a');
    std::size_t steps = 0;
    ASSERT_TRUE(replace_all(text, std::string(1 << 12, 'a') + "b", "x", std::string::npos, &steps));
    EXPECT_LE(steps, 2u << 16);
}

}  // namespace
}  // namespace fx
