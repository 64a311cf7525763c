// The preset file format's pieces: the MD5 behind the key, the keyed scrambling, the two
// hexadecimal layers and the whole-preset check on the plain text.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "interactive/preset_codec.h"
#include "interactive/preset_key.h"
#include "interactive/preset_lines.h"
#include "interactive/scramble_text.h"

namespace fx {
namespace {

TEST(PresetKey, Md5MatchesTheReferenceVectors) {
    const struct {
        const char* input;
        const char* digest;
    } rows[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& row : rows) EXPECT_EQ(md5_hex(row.input), row.digest) << "\"" << row.input << "\"";
}

TEST(PresetKey, TheFormatDocumentNamesTheTagAndTheKey) {
    std::ifstream in(FX_PRESET_FORMAT_DOC);
    ASSERT_TRUE(in) << FX_PRESET_FORMAT_DOC;
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\"" + std::string(kPresetKeyTag) + "\""), std::string::npos);
    EXPECT_NE(text.str().find(preset_key()), std::string::npos) << "the key written out in the document";
}

// Worked by hand with key "ab": t0 = 97; t1 = 98 + 65; t2 = (97 + 2 × 131) mod 255;
// t3 = (98 + 3 × 198 + 67 × 27) mod 255 = 206.
TEST(ScrambleText, MatchesAHandComputedWalk) {
    EXPECT_EQ(ScrambleText("ABCD", "ab"), std::string("\x20\xE1\x2B\x8A"));
    EXPECT_EQ(UnscrambleText(std::string("\x20\xE1\x2B\x8A"), "ab"), "ABCD");
}

TEST(ScrambleText, BytesEnterTheSumSigned) {
    // t1 = 97 + 1 × (-16) = 81 when 0xF0 counts as -16 (82 if it counted as 240).
    EXPECT_EQ(ScrambleText("\xF0x", "a"), std::string("\x91\x29"));
}

TEST(ScrambleText, AByteEqualToItsKeystreamBytePassesUnchanged) { EXPECT_EQ(ScrambleText("a", "a"), "a"); }

TEST(ScrambleText, RoundTripsTextsWithoutZeroBytesAndNeverMakesOne) {
    std::mt19937 random(1208);
    for (int round = 0; round < 300; ++round) {
        std::string key(1 + random() % 40, '\0');
        for (char& c : key) c = static_cast<char>(1 + random() % 255);
        std::string plain(random() % 200, '\0');
        for (char& c : plain) c = static_cast<char>(1 + random() % 255);
        const std::string scrambled = ScrambleText(plain, key);
        ASSERT_EQ(scrambled.find('\0'), std::string::npos) << "round " << round;
        ASSERT_EQ(UnscrambleText(scrambled, key), plain) << "round " << round;
    }
}

TEST(PresetCodec, HexLayersIgnoreBlanksAndRefuseAnythingElse) {
    EXPECT_EQ(to_hex(std::string("\x00\x7f\xff", 3)), "007fff");
    EXPECT_EQ(from_hex(" 4 1\r\n4A\t"), std::optional<std::string>("AJ"));
    EXPECT_EQ(from_hex(""), std::optional<std::string>(""));
    EXPECT_FALSE(from_hex("414"));
    EXPECT_FALSE(from_hex("41g1"));
    EXPECT_FALSE(from_hex("\x89PNG"));
}

const std::string kPlain = "1|0.5|0|0\r\n2|3|0|0\r\nI/p/a.png\r\nTHello\r\nV0|2|1|\r\n";

TEST(PresetCodec, EncodesBothLayersInLowercaseAndDecodesThem) {
    const std::string content = encode_preset(kPlain, preset_key());
    EXPECT_EQ(content.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(content.size(), kPlain.size() * 4);
    EXPECT_EQ(decode_preset(content, preset_key()), std::optional<std::string>(kPlain));
    EXPECT_NE(decode_preset(content, "another key"), std::optional<std::string>(kPlain));
}

TEST(PresetLines, EveryCutOfAFileIsRefused) {
    const std::string content = encode_preset(kPlain, preset_key());
    ASSERT_TRUE(preset_lines(*decode_preset(content, preset_key())));
    for (std::size_t size = 0; size < content.size(); ++size) {
        const auto plain = decode_preset(content.substr(0, size), preset_key());
        EXPECT_FALSE(plain && preset_lines(*plain)) << "cut at " << size;
    }
}

TEST(PresetLines, AcceptsOnlyWholePresets) {
    const struct {
        const char* text;
        bool whole;
    } rows[] = {
        {"1|0.5|0|0\r\nV0|\r\n", true},
        {"  1|0.5  \n\n\tV0|\n", true},
        {"V\r\n", true},
        {"1|0.5|0|0\r\nV0|", false},       // the last line end is missing
        {"1|0.5|0|0\r\n", false},          // no visibility line
        {"V0|\r\n1|0.5\r\n", false},       // the visibility line is not last
        {"1|half|0|0\r\nV0|\r\n", false},  // a field that is no number
        {"Xyz\r\nV0|\r\n", false},         // a line of no known kind
        {"TA\x01"
         "B\r\nV0|\r\n",
         false},                        // a control character
        {"V0|x|\r\n", false},           // a visibility field that is no number
        {"V\r\nTA\r\nV0|\r\n", false},  // two visibility lines
        {"", false},
    };
    for (const auto& row : rows) EXPECT_EQ(preset_lines(row.text).has_value(), row.whole) << row.text;
    EXPECT_EQ(*preset_lines("  1|0.5  \n\n\tV0|\n"), (std::vector<std::string>{"1|0.5", "V0|"}));
}

TEST(PresetLines, NumbersAreWrittenWithSixDigitsAndReadWhole) {
    EXPECT_EQ(write_number(-1.5707963267948966), "-1.5708");
    EXPECT_EQ(write_number(2.0), "2");
    EXPECT_EQ(write_number(1e-7), "1e-07");
    EXPECT_EQ(write_number(1234567.0), "1.23457e+06");
    EXPECT_EQ(read_number("+2.5"), std::optional<double>(2.5));
    EXPECT_EQ(read_number("-1e-07"), std::optional<double>(-1e-07));
    EXPECT_FALSE(read_number("2.5x"));
    EXPECT_FALSE(read_number(""));
    EXPECT_EQ(split_fields("|5||0.5|"), (std::vector<std::string_view>{"5", "0.5"}));
}

}  // namespace
}  // namespace fx
