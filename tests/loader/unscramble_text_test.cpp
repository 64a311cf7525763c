#include "definition/loader/unscramble_text.h"

#include <gtest/gtest.h>

#include <random>

namespace fx {
namespace {

struct UnscrambleCase {
    const char* name;
    std::string literal;
    std::string plain;
};

class UnscrambleTextTest : public ::testing::TestWithParam<UnscrambleCase> {};

TEST_P(UnscrambleTextTest, TurnsTheLiteralIntoPlainText) {
    const UnscrambleCase& c = GetParam();
    EXPECT_EQ(unscramble_text(c.literal), c.plain) << "literal \"" << c.literal << "\"";
}

// Expected values worked out by hand: position i of the text after "?" moves down by
// 4 * (i mod 3) inside the printable range 32..126.
INSTANTIATE_TEST_SUITE_P(
    Rows, UnscrambleTextTest,
    ::testing::Values(UnscrambleCase{"shifts_by_position", "?ABCDEF", "A>;DA>"},
                      UnscrambleCase{"wraps_below_space", "? !\"", " |y"},
                      UnscrambleCase{"controls_keep_their_place_in_the_count", "?\nAB", "\n=:"},
                      UnscrambleCase{"delete_and_high_bytes_pass", "?x\x7f\xc3\xa9", std::string("x\x7f\xc3\xa9")},
                      UnscrambleCase{"no_question_mark_drops_first_character", "xABC", "ABC"},
                      UnscrambleCase{"question_mark_only", "?", ""}, UnscrambleCase{"empty_literal", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScrambleText, RoundTripsEveryByteValueAtEveryPosition) {
    std::string plain;
    for (int repeat = 0; repeat < 3; ++repeat)
        for (int byte = 0; byte < 256; ++byte) plain += static_cast<char>(byte);
    std::string stored = scramble_text(plain);
    ASSERT_EQ(stored.size(), plain.size() + 1);
    EXPECT_EQ(stored.front(), '?');
    EXPECT_EQ(unscramble_text(stored), plain);
}

TEST(ScrambleText, RoundTripsRandomTexts) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        std::string plain(random() % 64, '\0');
        for (char& c : plain) c = static_cast<char>(random() % 256);
        ASSERT_EQ(unscramble_text(scramble_text(plain)), plain) << "round " << round;
    }
}

TEST(ScrambleText, KeepsPrintableTextPrintableAndHidesIt) {
    std::string plain = "gl_FragColor = texture2D(in0, uv);";
    std::string stored = scramble_text(plain);
    for (size_t i = 1; i < stored.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(stored[i]);
        EXPECT_TRUE(c >= 32 && c <= 126) << "byte " << int(c) << " at " << i;
    }
    EXPECT_EQ(stored.find("FragColor"), std::string::npos) << stored;
}

}  // namespace
}  // namespace fx
