#include "simhost/fxhost/render_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fx::fxhost {
namespace {

TEST(RenderOptions, ReadsEveryOption) {
    Parsed parsed;
    const RenderOptions o =
        parse_render_options({"--definition", "fx.fxdef", "--input",    "a.png",     "--input",  "b.jpg",  "--set",
                              "A=1",          "--set",    "B=#ffffff",  "--depth",   "16",       "--size", "320x200",
                              "--time",       "1.5",      "--premiere", "--classic", "--output", "out.png"},
                             "default.so", parsed);
    EXPECT_FALSE(parsed.help_shown);
    EXPECT_EQ(o.host.plugin, "default.so");
    EXPECT_EQ(o.host.definition, "fx.fxdef");
    EXPECT_EQ(o.inputs, (std::vector<std::string>{"a.png", "b.jpg"}));
    EXPECT_EQ(o.host.sets, (std::vector<std::string>{"A=1", "B=#ffffff"}));
    EXPECT_EQ(o.host.depth, 16);
    ASSERT_TRUE(o.host.size);
    EXPECT_EQ(o.host.size->width, 320);
    EXPECT_EQ(o.host.size->height, 200);
    EXPECT_DOUBLE_EQ(o.time, 1.5);
    EXPECT_TRUE(o.host.premiere);
    EXPECT_TRUE(o.host.classic);
    EXPECT_EQ(o.output, "out.png");
}

TEST(RenderOptions, DefaultsAreSmartEightBitAfterEffects) {
    Parsed parsed;
    const RenderOptions o = parse_render_options({"--output", "o.png"}, "p.so", parsed);
    EXPECT_EQ(o.host.depth, 8);
    EXPECT_FALSE(o.host.size);
    EXPECT_FALSE(o.host.premiere);
    EXPECT_FALSE(o.host.classic);
    EXPECT_TRUE(o.inputs.empty());
}

struct BadLine {
    std::vector<std::string> args;
    const char* message_part;
};

TEST(RenderOptions, BadCommandLinesGiveOneLine) {
    const BadLine cases[] = {
        {{}, "--output is required"},
        {{"--output", "o.png", "--depth", "12"}, "--depth"},
        {{"--output", "o.png", "--size", "12"}, "--size 12: expected WxH"},
        {{"--output", "o.png", "--size", "0x5"}, "--size 0x5: expected WxH"},
        {{"--output", "o.png", "--size", "20000x5"}, "--size 20000x5: expected WxH"},
        {{"--output", "o.png", "--time", "-1"}, "--time"},
        {{"--output", "o.png", "--bogus"}, "--bogus"},
    };
    for (const BadLine& c : cases) {
        Parsed parsed;
        try {
            parse_render_options(c.args, "p.so", parsed);
            ADD_FAILURE() << c.message_part << ": accepted";
        } catch (const UsageError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.message_part), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST(SequenceOptions, ReadsTheRangeAndRefusesOnesOutsideTheFrames) {
    Parsed parsed;
    const SequenceOptions o = parse_sequence_options(
        {"--from", "a_%04d.png", "--to", "b.png", "--frames", "30", "--range", "10-19", "--output", "o_%03d.png"},
        "p.so", parsed);
    EXPECT_EQ(o.frames, 30);
    ASSERT_TRUE(o.range);
    EXPECT_EQ(o.range->first, 10);
    EXPECT_EQ(o.range->last, 19);
    EXPECT_EQ(parse_frame_range("7", 30).first, 7);
    EXPECT_EQ(parse_frame_range("7", 30).last, 7);
    for (const char* bad : {"19-10", "0-30", "-1-3", "a-b", "3-", ""})
        EXPECT_THROW(parse_frame_range(bad, 30), UsageError) << bad;
    EXPECT_THROW(parse_sequence_options({"--from", "a.png", "--to", "b.png", "--frames", "0", "--output", "o%d.png"},
                                        "p.so", parsed),
                 UsageError);
    EXPECT_THROW(parse_sequence_options({"--to", "b.png", "--frames", "3", "--output", "o%d.png"}, "p.so", parsed),
                 UsageError);
}

}  // namespace
}  // namespace fx::fxhost
