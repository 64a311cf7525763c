#include "simhost/pe_image_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::size_t at, std::uint64_t value, unsigned width) {
    if (b.size() < at + width) b.resize(at + width);
    for (unsigned i = 0; i < width; ++i) b[at + i] = std::uint8_t(value >> (8 * i));
}

std::size_t reserve(Bytes& b, std::size_t size) {
    const std::size_t at = b.size();
    b.resize(at + size, 0);
    return at;
}

struct SampleResource {
    std::string type;  // "#n" for a number
    std::string name;
    std::uint32_t language;
    Bytes bytes;
};

struct SampleImage {
    std::uint16_t machine = 0x8664;
    std::uint16_t magic = 0x20B;
    bool dll = true;
    std::vector<std::string> exports;
    std::uint32_t extra_functions = 0;  // exported by ordinal only
    std::vector<SampleResource> resources;
};

constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::size_t kSectionFileOffset = 0x200;

// A name or number as a directory entry's first word; names go after the tree.
std::uint32_t entry_name(Bytes& tree, const std::string& name) {
    if (name[0] == '#') return static_cast<std::uint32_t>(std::stoul(name.substr(1)));
    const std::size_t at = reserve(tree, 2 + 2 * name.size());
    put(tree, at, name.size(), 2);
    for (std::size_t i = 0; i < name.size(); ++i) put(tree, at + 2 + 2 * i, static_cast<unsigned char>(name[i]), 2);
    return 0x80000000u | static_cast<std::uint32_t>(at);
}

// One type / name / language chain per resource.
Bytes resource_tree(const std::vector<SampleResource>& resources, std::uint32_t tree_rva) {
    Bytes tree;
    const std::size_t root = reserve(tree, 16 + 8 * resources.size());
    put(tree, root + 14, resources.size(), 2);
    for (std::size_t i = 0; i < resources.size(); ++i) {
        const SampleResource& r = resources[i];
        const std::size_t names = reserve(tree, 24);
        const std::size_t languages = reserve(tree, 24);
        const std::size_t entry = reserve(tree, 16);
        put(tree, names + 14, 1, 2);
        put(tree, languages + 14, 1, 2);
        put(tree, root + 16 + 8 * i, entry_name(tree, r.type), 4);
        put(tree, root + 20 + 8 * i, 0x80000000u | names, 4);
        put(tree, names + 16, entry_name(tree, r.name), 4);
        put(tree, names + 20, 0x80000000u | languages, 4);
        put(tree, languages + 16, r.language, 4);
        put(tree, languages + 20, entry, 4);
        const std::size_t data = reserve(tree, r.bytes.size());
        std::copy(r.bytes.begin(), r.bytes.end(), tree.begin() + static_cast<std::ptrdiff_t>(data));
        put(tree, entry, tree_rva + data, 4);
        put(tree, entry + 4, r.bytes.size(), 4);
    }
    return tree;
}

// DOS header, PE headers with 16 data directories and one section that holds the export
// directory, its names and the resource tree.
Bytes make_pe(const SampleImage& sample) {
    Bytes section;
    const std::size_t exports = reserve(section, 40);
    const std::size_t table = reserve(section, 4 * sample.exports.size());
    for (std::size_t i = 0; i < sample.exports.size(); ++i) {
        const std::size_t at = reserve(section, sample.exports[i].size() + 1);
        std::copy(sample.exports[i].begin(), sample.exports[i].end(), section.begin() + static_cast<std::ptrdiff_t>(at));
        put(section, table + 4 * i, kSectionRva + at, 4);
    }
    put(section, exports + 20, sample.exports.size() + sample.extra_functions, 4);
    put(section, exports + 24, sample.exports.size(), 4);
    put(section, exports + 32, kSectionRva + table, 4);
    reserve(section, (8 - section.size() % 8) % 8);
    const Bytes tree = resource_tree(sample.resources, kSectionRva + static_cast<std::uint32_t>(section.size()));
    section.insert(section.end(), tree.begin(), tree.end());

    Bytes image(kSectionFileOffset, 0);
    put(image, 0, 0x5A4D, 2);
    const std::size_t pe = 0x40;
    put(image, 0x3C, pe, 4);
    put(image, pe, 0x00004550, 4);
    const std::size_t coff = pe + 4;
    put(image, coff, sample.machine, 2);
    put(image, coff + 2, 1, 2);
    const std::size_t optional_size = 112 + 16 * 8;
    put(image, coff + 16, optional_size, 2);
    put(image, coff + 18, sample.dll ? 0x2022 : 0x0022, 2);
    const std::size_t optional = coff + 20;
    put(image, optional, sample.magic, 2);
    put(image, optional + 108, 16, 4);
    put(image, optional + 112, kSectionRva + exports, 4);
    put(image, optional + 116, 40, 4);
    if (!sample.resources.empty()) {
        put(image, optional + 112 + 16, kSectionRva + section.size() - tree.size(), 4);
        put(image, optional + 116 + 16, tree.size(), 4);
    }
    const std::size_t header = optional + optional_size;
    image[header] = '.';
    put(image, header + 8, section.size(), 4);
    put(image, header + 12, kSectionRva, 4);
    put(image, header + 16, section.size(), 4);
    put(image, header + 20, kSectionFileOffset, 4);
    image.insert(image.end(), section.begin(), section.end());
    return image;
}

SampleImage plugin_like() {
    SampleImage sample;
    sample.exports = {"AmdPowerXpressRequestHighPerformance", "EffectMain", "NvOptimusEnablement",
                    "PluginDataEntryFunction"};
    sample.resources = {{"PIPL", "#16000", 1033, {1, 0, 0, 0, 0, 0, 12, 0, 0, 0, 'M', 'I', 'B', '8'}},
                      {"#16", "#1", 1033, {7, 7}}};
    return sample;
}

TEST(PeImageReader, ReadsExportsAndResources) {
    const PeImage image = read_pe_image(make_pe(plugin_like()));
    EXPECT_EQ(image.machine, 0x8664);
    EXPECT_TRUE(image.dll);
    EXPECT_EQ(image.exported_functions, 4u);
    EXPECT_EQ(image.export_names, plugin_like().exports);
    ASSERT_EQ(image.resources.size(), 2u);
    EXPECT_EQ(image.resources[0].type, "PIPL");
    EXPECT_EQ(image.resources[0].name, "#16000");
    EXPECT_EQ(image.resources[0].language, 1033u);
    EXPECT_EQ(image.resources[0].bytes, plugin_like().resources[0].bytes);
    EXPECT_EQ(image.resources[1].type, "#16");
    EXPECT_EQ(image.resources[1].bytes, (Bytes{7, 7}));
}

TEST(PeImageReader, ReportsWhatTheCheckComparesAsFound) {
    SampleImage sample = plugin_like();
    sample.exports.push_back("Extra");
    sample.extra_functions = 1;
    sample.dll = false;
    const PeImage image = read_pe_image(make_pe(sample));
    EXPECT_FALSE(image.dll);
    EXPECT_EQ(image.exported_functions, 6u);
    EXPECT_EQ(image.export_names.back(), "Extra");
}

TEST(PeImageReader, RefusesFilesThatAreNotPe32Plus) {
    struct Case {
        const char* name;
        std::size_t at;
        std::uint64_t value;
        unsigned width;
        const char* message;
    };
    const Case cases[] = {
        {"no MZ", 0, 0x4D5A, 2, "no \"MZ\""},
        {"no PE signature", 0x40, 0x4551, 4, "no \"PE\" signature"},
        {"32-bit image", 0x40 + 24, 0x10B, 2, "not a 64-bit"},
        {"PE header beyond the file", 0x3C, 0x7FFFFFF0, 4, "the PE signature lies outside the file"},
        {"export table at no section", 0x40 + 24 + 112, 0x9000, 4, "no section holds"},
        {"too many data directories", 0x40 + 24 + 108, 1000, 4, "data directories run past"},
    };
    for (const Case& c : cases) {
        Bytes image = make_pe(plugin_like());
        put(image, c.at, c.value, c.width);
        try {
            read_pe_image(image);
            ADD_FAILURE() << c.name << ": read without error";
        } catch (const PeFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("read_pe_image: ", 0), 0u) << e.what();
        }
    }
}

// Every shorter file either reads (when the cut leaves everything read intact) or is
// refused; nothing is read past the end.
TEST(PeImageReader, CutFilesAreRefused) {
    const Bytes whole = make_pe(plugin_like());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(read_pe_image(cut), PeFormatError) << "cut at " << size << " of " << whole.size();
    }
}

TEST(PeImageReader, RefusesResourceTreesOfTheWrongDepth) {
    // The root's first entry points back at the root: a loop, not three levels.
    Bytes image = make_pe(plugin_like());
    const PeImage good = read_pe_image(image);
    ASSERT_EQ(good.resources.size(), 2u);
    const std::size_t optional = 0x40 + 24;
    const std::uint32_t tree_rva = image[optional + 128] | (image[optional + 129] << 8);
    const std::size_t root = kSectionFileOffset + (tree_rva - kSectionRva);
    put(image, root + 20, 0x80000000u, 4);
    EXPECT_THROW(read_pe_image(image), PeFormatError);
}

TEST(PeImageReader, NamesThePathOfAFileItCannotRead) {
    try {
        read_pe_file("/nonexistent/plugin.aex");
        FAIL() << "read a missing file";
    } catch (const PeFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/plugin.aex"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace fx
