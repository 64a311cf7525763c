#include "simhost/text_destinations.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <stdexcept>
#include <string>

namespace fx {
namespace {

std::string formatted(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = format_text(format, args);
    va_end(args);
    return text;
}

TEST(FormatText, FormatsAnyLength) {
    EXPECT_EQ(formatted("%s=%d", "x", 42), "x=42");
    EXPECT_EQ(formatted("%%"), "%");
    EXPECT_EQ(formatted("%s", std::string(1000, 'a').c_str()).size(), 1000u);
    EXPECT_EQ(formatted(""), "");
}

TEST(TextDestinations, KnownBufferIsNeverOverrun) {
    char buffer[16 + 4];
    std::memset(buffer, '#', sizeof buffer);
    TextDestinations destinations;
    destinations.add(buffer, 16);
    struct Row {
        const char* name;
        std::size_t offset;
        std::string text;
        std::size_t stored;
        bool truncated;
    };
    const Row rows[] = {
        {"fits", 0, "hello", 5, false},
        {"exactly fills", 0, std::string(15, 'x'), 15, false},
        {"one too long", 0, std::string(16, 'y'), 15, true},
        {"far too long", 0, std::string(300, 'z'), 15, true},
        {"inside the buffer", 10, "abcdefgh", 5, true},
        {"last byte", 15, "q", 0, true},
    };
    for (const Row& row : rows) {
        std::memset(buffer, '#', sizeof buffer);
        const StoredText result = destinations.store(buffer + row.offset, row.text);
        EXPECT_EQ(result.stored, row.stored) << row.name;
        EXPECT_EQ(result.truncated, row.truncated) << row.name;
        EXPECT_EQ(std::string(buffer + row.offset), row.text.substr(0, row.stored)) << row.name;
        EXPECT_EQ(std::string(buffer + 16, 4), "####") << row.name << ": wrote past the buffer";
    }
}

TEST(TextDestinations, UnknownDestinationGetsTheWholeText) {
    char buffer[64] = {};
    char known[8] = {};
    TextDestinations destinations;
    destinations.add(known, sizeof known);
    EXPECT_FALSE(destinations.room(buffer).has_value());
    const StoredText result = destinations.store(buffer, std::string(40, 'k'));
    EXPECT_EQ(result.stored, 40u);
    EXPECT_FALSE(result.truncated);
    EXPECT_EQ(std::string(buffer), std::string(40, 'k'));
    destinations.remove(known);
    EXPECT_FALSE(destinations.room(known).has_value());
}

TEST(TextDestinations, KnownBufferScopeEndsWithTheScope) {
    TextDestinations destinations;
    char buffer[4];
    try {
        const KnownTextBuffer scope(destinations, buffer, sizeof buffer);
        EXPECT_EQ(destinations.room(buffer + 1), 3u);
        throw std::runtime_error("leaving early");
    } catch (const std::runtime_error&) {}
    EXPECT_FALSE(destinations.room(buffer).has_value());
}

}  // namespace
}  // namespace fx
