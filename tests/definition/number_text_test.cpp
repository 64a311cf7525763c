#include "definition/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace fx {
namespace {

// Inputs within the int32 range read exactly as the C library reads them.
const char* const kNumberTexts[] = {
    "42",   "  7", "\t-3",   "+5",  "12abc",      "abc",         "",       "3.9", "-0.5",      "1e3",
    "0x1A", ".5",  "  -  4", "007", "2147483647", "-2147483648", "1.5e-3", "inf", "-infinity", "\n9",
};

TEST(NumberText, ReadsLikeAtoiAndAtof) {
    for (const char* text : kNumberTexts) {
        EXPECT_EQ(read_int(text), std::atoi(text)) << '"' << text << '"';
        // atof is strtod(text, NULL) by the C standard; Windows' own atof predates that and
        // reads "0x1A" and "inf" as 0, so the standard's form is the reference, and a
        // definition reads the same on every system.
        EXPECT_EQ(read_float(text), static_cast<float>(std::strtod(text, nullptr))) << '"' << text << '"';
    }
}

TEST(NumberText, StopsAtEmbeddedNulAndViewEnd) {
    EXPECT_EQ(read_int(std::string("12\0"
                                   "34",
                                   5)),
              12);
    EXPECT_EQ(read_int(std::string_view("1234").substr(0, 2)), 12);
    EXPECT_EQ(read_float(std::string_view("2.75|9").substr(0, 4)), 2.75f);
}

TEST(NumberText, OutOfRangeValuesAreClampedOrInfinite) {
    EXPECT_EQ(read_int("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(read_int("-99999999999999999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(read_float("1e60"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(read_float("-1e60"), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(read_float("nan")));
}

TEST(NumberText, TheLargestFloatsPrintedFormReadsBack) {
    const float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(read_float("3.4028235e38"), largest);
    EXPECT_EQ(read_float("-3.4028235e38"), -largest);
    // Half a step above the largest float is where rounding overflows (ties go to even).
    EXPECT_EQ(read_float("3.40282356e38"), largest);
    EXPECT_EQ(read_float("3.40282357e38"), std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace fx
