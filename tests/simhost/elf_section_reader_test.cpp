#include "simhost/elf_section_reader.h"
#include "simhost/pipl_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::size_t at, std::uint64_t value, unsigned width) {
    if (b.size() < at + width) b.resize(at + width);
    for (unsigned i = 0; i < width; ++i) b[at + i] = std::uint8_t(value >> (8 * i));
}

// A minimal ELF image: header, the named sections' bytes, a section name table and the
// section headers (entry 0 is the null section), in the 32- or 64-bit layout.
Bytes make_elf(bool wide, const std::vector<std::pair<std::string, Bytes>>& sections) {
    const std::size_t header = wide ? 64 : 52;
    const std::size_t entry = wide ? 64 : 40;
    Bytes image(header, 0);
    image[0] = 0x7F, image[1] = 'E', image[2] = 'L', image[3] = 'F';
    image[4] = wide ? 2 : 1;
    image[5] = 1;
    image[6] = 1;
    std::vector<std::pair<std::size_t, std::size_t>> places;  // offset, size
    for (const auto& [name, data] : sections) {
        places.emplace_back(image.size(), data.size());
        image.insert(image.end(), data.begin(), data.end());
    }
    Bytes names(1, 0);
    std::vector<std::size_t> name_offsets;
    for (const auto& [name, data] : sections) {
        name_offsets.push_back(names.size());
        names.insert(names.end(), name.begin(), name.end());
        names.push_back(0);
    }
    name_offsets.push_back(names.size());
    const std::string table_name = ".shstrtab";
    names.insert(names.end(), table_name.begin(), table_name.end());
    names.push_back(0);
    const std::size_t names_at = image.size();
    image.insert(image.end(), names.begin(), names.end());
    const std::size_t shoff = image.size();
    const std::size_t count = sections.size() + 2;
    image.resize(shoff + count * entry, 0);
    auto header_at = [&](std::size_t index) { return shoff + index * entry; };
    for (std::size_t i = 0; i <= sections.size(); ++i) {
        const bool is_table = i == sections.size();
        const std::size_t at = header_at(i + 1);
        put(image, at, name_offsets[i], 4);
        put(image, at + 4, is_table ? 3 : 1, 4);  // string table or program bits
        const std::size_t offset = is_table ? names_at : places[i].first;
        const std::size_t size = is_table ? names.size() : places[i].second;
        put(image, at + (wide ? 24 : 16), offset, wide ? 8 : 4);
        put(image, at + (wide ? 32 : 20), size, wide ? 8 : 4);
    }
    if (wide) {
        put(image, 0x28, shoff, 8);
        put(image, 0x3A, entry, 2);
        put(image, 0x3C, count, 2);
        put(image, 0x3E, count - 1, 2);
    } else {
        put(image, 0x20, shoff, 4);
        put(image, 0x2E, entry, 2);
        put(image, 0x30, count, 2);
        put(image, 0x32, count - 1, 2);
    }
    return image;
}

const Bytes kPayload = {'p', 'a', 'y', 'l', 'o', 'a', 'd'};

TEST(ElfSectionReader, FindsSectionsInBothClasses) {
    for (const bool wide : {true, false}) {
        const Bytes image = make_elf(wide, {{".text", {1, 2, 3}}, {".pipl", kPayload}});
        const auto sections = list_elf_sections(image);
        ASSERT_EQ(sections.size(), 4u) << (wide ? "64-bit" : "32-bit");
        EXPECT_EQ(sections[2].name, ".pipl");
        EXPECT_EQ(elf_section_bytes(image, ".pipl"), kPayload) << (wide ? "64-bit" : "32-bit");
        EXPECT_EQ(elf_section_bytes(image, ".text"), (Bytes{1, 2, 3}));
        EXPECT_FALSE(elf_section_bytes(image, ".pip").has_value()) << "names match whole";
        EXPECT_FALSE(elf_section_bytes(image, ".missing").has_value());
    }
}

TEST(ElfSectionReader, DamagedImagesAreRefusedWithAReason) {
    const Bytes good = make_elf(true, {{".pipl", kPayload}});
    const std::size_t shoff = good.size() - 3 * 64;
    struct Row {
        const char* name;
        std::function<void(Bytes&)> damage;
        const char* expected;
    };
    const Row rows[] = {
        {"empty file", [](Bytes& b) { b.clear(); }, "not an ELF file"},
        {"bad magic", [](Bytes& b) { b[1] = 'X'; }, "not an ELF file"},
        {"unknown class", [](Bytes& b) { b[4] = 3; }, "unknown ELF class"},
        {"big endian", [](Bytes& b) { b[5] = 2; }, "little-endian"},
        {"cut in the header", [](Bytes& b) { b.resize(40); }, "past the end"},
        {"headers past the end", [](Bytes& b) { put(b, 0x28, b.size() + 8, 8); }, "past the end"},
        {"huge header offset", [](Bytes& b) { put(b, 0x28, ~std::uint64_t{0} - 8, 8); }, "past the end"},
        {"too many headers", [](Bytes& b) { put(b, 0x3C, 500, 2); }, "do not fit"},
        {"small header entries", [](Bytes& b) { put(b, 0x3A, 12, 2); }, "below 64"},
        {"name table index", [](Bytes& b) { put(b, 0x3E, 9, 2); }, "not below the section count"},
        {"section past the end", [shoff](Bytes& b) { put(b, shoff + 64 + 32, 1u << 30, 8); },
         "past the end of the file"},
        {"section offset huge", [shoff](Bytes& b) { put(b, shoff + 64 + 24, ~std::uint64_t{0}, 8); },
         "past the end of the file"},
        {"name outside the table", [shoff](Bytes& b) { put(b, shoff + 64, 4000, 4); },
         "outside the section name table"},
    };
    for (const Row& row : rows) {
        Bytes image = good;
        row.damage(image);
        try {
            list_elf_sections(image);
            ADD_FAILURE() << row.name << ": accepted";
        } catch (const ElfFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos)
                << row.name << ": " << error.what();
        }
    }
}

TEST(ElfSectionReader, RandomDamageIsRefusedOrReadNeverOverrun) {
    // Damaged copies of a real library: every one is either read or refused with the
    // reader's own error; the sanitizer build shows any read outside the image.
    std::ifstream file(FX_ELF_SAMPLE_PATH, std::ios::binary);
    const Bytes library((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(library.size(), 64u);
    std::mt19937 random(20261208);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        Bytes image = library;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int c = 0; c < changes; ++c) {
            // Most changes land in the headers, where they matter most.
            const std::size_t span = random() % 4 == 0 ? image.size() : std::min<std::size_t>(image.size(), 128);
            image[random() % span] = static_cast<std::uint8_t>(random());
        }
        if (random() % 5 == 0) image.resize(random() % image.size());
        try {
            const auto bytes = elf_section_bytes(image, ".pipl");
            if (bytes) {
                try {
                    parse_pipl(*bytes);
                } catch (const PiplFormatError&) {}
            }
        } catch (const ElfFormatError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0) << "no damage was noticed at all";
}

TEST(ElfSectionReader, ImageWithoutSectionHeadersHasNoSections) {
    Bytes image = make_elf(true, {});
    put(image, 0x28, 0, 8);
    EXPECT_TRUE(list_elf_sections(image).empty());
}

TEST(ElfSectionReader, ReadsTheSectionsOfABuiltLibrary) {
    const auto mark = read_elf_section(FX_ELF_SAMPLE_PATH, ".fxmark");
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(mark->data())), "simhost sample");

    const auto bytes = read_elf_section(FX_ELF_SAMPLE_PATH, ".pipl");
    ASSERT_TRUE(bytes.has_value());
    const PiplRecord record = parse_pipl(*bytes);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.count, 4);
    ASSERT_EQ(record.properties.size(), 4u);
    EXPECT_EQ(record.properties[0].vendor, "8BIM");
    EXPECT_EQ(record.find("kind")->four_cc(), "eFKT");
    EXPECT_EQ(record.find("name")->pascal_text(), "Sample");
    EXPECT_EQ(record.find("eINF")->length, 2);
    EXPECT_EQ(record.find("eINF")->i16(0), 7);
    EXPECT_EQ(record.find("eGLO")->u32(), 0x06008064u);
    EXPECT_EQ(record.bytes_used, bytes->size());
}

TEST(ElfSectionReader, MissingFileNamesThePath) {
    try {
        read_elf_section("/nonexistent/lib.so", ".pipl");
        ADD_FAILURE() << "a missing file was read";
    } catch (const ElfFormatError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/lib.so"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace fx
