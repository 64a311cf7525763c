#include "simhost/pipl_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace fx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void append_code(Bytes& b, const char* stored) { b.insert(b.end(), stored, stored + 4); }

// One property as stored: vendor "MIB8", the key bytes as stored, id, length, padded data.
void append_property(Bytes& b, const char* stored_key, const Bytes& data, std::int32_t id = 0) {
    append_code(b, "MIB8");
    append_code(b, stored_key);
    append32(b, std::uint32_t(id));
    append32(b, std::uint32_t(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    while (b.size() % 4 != 2) b.push_back(0);  // the list head is 10 bytes: 2 mod 4
}

Bytes list_head(std::int32_t count) {
    Bytes b = {1, 0};
    append32(b, 0);
    append32(b, std::uint32_t(count));
    return b;
}

Bytes pascal(const std::string& text, std::size_t slot) {
    Bytes data;
    data.push_back(std::uint8_t(text.size()));
    for (char c : text) data.push_back(std::uint8_t(c));
    data.push_back(0);
    while (data.size() < slot) data.push_back('#');
    return data;
}

TEST(PiplRecord, ReadsKeysReversedAndDataOfEachKind) {
    Bytes b = list_head(4);
    append_property(b, "eman", pascal("Morvelline 2 Pro", 32));
    append_property(b, "4668", {'E', 'f', 'f', 'e', 'c', 't', 'M', 'a', 'i', 'n', 0, 0});
    append_property(b, "RVSe", {13, 0, 27, 0}, 5);
    append_property(b, "FNIe", {0, 0});
    const PiplRecord record = parse_pipl(b);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.reserved, 0);
    ASSERT_EQ(record.properties.size(), 4u);
    EXPECT_EQ(record.find("name")->pascal_text(), "Morvelline 2 Pro");
    EXPECT_EQ(record.find("name")->length, 32);
    EXPECT_EQ(record.find("8664")->c_text(), "EffectMain");
    EXPECT_EQ(record.find("eSVR")->i16(0), 13);
    EXPECT_EQ(record.find("eSVR")->i16(1), 27);
    EXPECT_EQ(record.find("eSVR")->id, 5);
    EXPECT_EQ(record.find("eINF")->data.size(), 2u) << "padding is not part of the data";
    EXPECT_EQ(record.bytes_used, b.size());
    EXPECT_EQ(record.find("nope"), nullptr);
    EXPECT_THROW(record.find("eINF")->u32(), PiplFormatError);
    EXPECT_THROW(record.find("eINF")->i16(1), PiplFormatError);
}

TEST(PiplRecord, PascalTextNeverReadsPastTheData) {
    PiplProperty property;
    property.key = "name";
    property.data = {200, 'a', 'b'};
    EXPECT_EQ(property.pascal_text(), "ab");
    property.data.clear();
    EXPECT_EQ(property.pascal_text(), "");
}

TEST(PiplRecord, DamagedListsAreRefusedWithAReason) {
    Bytes good = list_head(1);
    append_property(good, "dnik", {'T', 'K', 'F', 'e'});
    struct Row {
        const char* name;
        std::function<void(Bytes&)> damage;
        const char* expected;
    };
    const Row rows[] = {
        {"short head", [](Bytes& b) { b.resize(6); }, "10-byte list header"},
        {"negative count", [](Bytes& b) { b[9] = 0x80; }, "negative"},
        {"count above the properties", [](Bytes& b) { b[6] = 2; }, "property 2 of 2"},
        {"length past the end", [](Bytes& b) { b[22] = 9; }, "claims 9 bytes"},
        {"negative length", [](Bytes& b) { b[25] = 0x80; }, "negative length"},
        {"cut padding", [](Bytes& b) { b.pop_back(); }, "claims 4 bytes"},
    };
    for (const Row& row : rows) {
        Bytes bytes = good;
        row.damage(bytes);
        try {
            parse_pipl(bytes);
            ADD_FAILURE() << row.name << ": accepted";
        } catch (const PiplFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos)
                << row.name << ": " << error.what();
        }
    }
    EXPECT_EQ(parse_pipl(good).find("kind")->four_cc(), "eFKT");
}

TEST(PiplRecord, RandomBytesAreReadOrRefusedNeverOverrun) {
    std::mt19937 random(1208);
    Bytes good = list_head(3);
    append_property(good, "eman", pascal("Name", 32));
    append_property(good, "FNIe", {0, 0});
    append_property(good, "LFea", {8, 0, 0, 0});
    int parsed = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes = good;
        for (int c = 1 + static_cast<int>(random() % 4); c > 0; --c) {
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        }
        bytes.resize(random() % (bytes.size() + 1));
        try {
            const PiplRecord record = parse_pipl(bytes);
            EXPECT_LE(record.bytes_used, bytes.size());
            EXPECT_EQ(record.properties.size(), static_cast<std::size_t>(record.count));
            ++parsed;
        } catch (const PiplFormatError&) {}
    }
    EXPECT_GT(parsed, 0);
}

}  // namespace
}  // namespace fx
