#include "simhost/elf_section_reader.h"

#include <fstream>

namespace fx {
namespace {

constexpr std::uint32_t kSectionNoBits = 8;       // SHT_NOBITS: occupies no file space
constexpr std::uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX: real value in section 0

// Little-endian reader that refuses every read past the end of the image.
class ImageReader {
public:
    explicit ImageReader(std::span<const std::uint8_t> image) : image_(image) {}

    std::uint64_t read(std::uint64_t offset, unsigned width, const char* what) const {
        if (offset > image_.size() || image_.size() - offset < width) {
            throw ElfFormatError("list_elf_sections: " + std::string(what) + " at offset " + std::to_string(offset) +
                                 " lies past the end of the " + std::to_string(image_.size()) + "-byte file");
        }
        std::uint64_t value = 0;
        for (unsigned i = 0; i < width; ++i) value |= std::uint64_t{image_[offset + i]} << (8 * i);
        return value;
    }

    std::size_t size() const { return image_.size(); }

private:
    std::span<const std::uint8_t> image_;
};

struct Layout {
    bool wide;  // 64-bit class
    std::uint64_t shoff;
    std::uint64_t shentsize;
    std::uint64_t shnum;
    std::uint64_t shstrndx;
};

struct RawSection {
    std::uint32_t name_offset;
    std::uint32_t type;
    std::uint64_t offset;
    std::uint64_t size;
    std::uint32_t link;
};

RawSection read_section(const ImageReader& in, const Layout& layout, std::uint64_t index) {
    const std::uint64_t base = layout.shoff + index * layout.shentsize;
    RawSection s{};
    s.name_offset = static_cast<std::uint32_t>(in.read(base, 4, "section name"));
    s.type = static_cast<std::uint32_t>(in.read(base + 4, 4, "section type"));
    if (layout.wide) {
        s.offset = in.read(base + 24, 8, "section offset");
        s.size = in.read(base + 32, 8, "section size");
        s.link = static_cast<std::uint32_t>(in.read(base + 40, 4, "section link"));
    } else {
        s.offset = in.read(base + 16, 4, "section offset");
        s.size = in.read(base + 20, 4, "section size");
        s.link = static_cast<std::uint32_t>(in.read(base + 24, 4, "section link"));
    }
    return s;
}

Layout read_layout(const ImageReader& in, std::span<const std::uint8_t> image) {
    if (image.size() < 16 || image[0] != 0x7F || image[1] != 'E' || image[2] != 'L' || image[3] != 'F') {
        throw ElfFormatError("list_elf_sections: not an ELF file (expected 0x7F 'E' 'L' 'F')");
    }
    if (image[4] != 1 && image[4] != 2) {
        throw ElfFormatError("list_elf_sections: unknown ELF class " + std::to_string(image[4]) + " (expected 1 or 2)");
    }
    if (image[5] != 1) {
        throw ElfFormatError("list_elf_sections: only little-endian ELF files are read");
    }
    Layout layout{};
    layout.wide = image[4] == 2;
    if (layout.wide) {
        layout.shoff = in.read(0x28, 8, "section header offset");
        layout.shentsize = in.read(0x3A, 2, "section header size");
        layout.shnum = in.read(0x3C, 2, "section count");
        layout.shstrndx = in.read(0x3E, 2, "section name table index");
    } else {
        layout.shoff = in.read(0x20, 4, "section header offset");
        layout.shentsize = in.read(0x2E, 2, "section header size");
        layout.shnum = in.read(0x30, 2, "section count");
        layout.shstrndx = in.read(0x32, 2, "section name table index");
    }
    if (layout.shoff == 0) return layout;  // no section headers at all
    const std::uint64_t min_entry = layout.wide ? 64 : 40;
    if (layout.shentsize < min_entry) {
        throw ElfFormatError("list_elf_sections: section header size " + std::to_string(layout.shentsize) +
                             " is below " + std::to_string(min_entry));
    }
    if (layout.shoff > in.size()) {
        throw ElfFormatError("list_elf_sections: section headers start at " + std::to_string(layout.shoff) +
                             ", past the end of the file");
    }
    // Files with very many sections keep the real count and name-table index in section 0.
    if (layout.shnum == 0 || layout.shstrndx == kExtendedIndex) {
        const RawSection first = read_section(in, layout, 0);
        if (layout.shnum == 0) layout.shnum = first.size;
        if (layout.shstrndx == kExtendedIndex) layout.shstrndx = first.link;
    }
    if (layout.shnum > (in.size() - layout.shoff) / layout.shentsize) {
        throw ElfFormatError("list_elf_sections: " + std::to_string(layout.shnum) +
                             " section headers do not fit in the file");
    }
    if (layout.shnum > 0 && layout.shstrndx >= layout.shnum) {
        throw ElfFormatError("list_elf_sections: section name table index " + std::to_string(layout.shstrndx) +
                             " is not below the section count " + std::to_string(layout.shnum));
    }
    return layout;
}

std::string read_name(std::span<const std::uint8_t> image, const RawSection& names, std::uint32_t offset) {
    if (names.offset > image.size() || names.size > image.size() - names.offset || offset >= names.size) {
        throw ElfFormatError("list_elf_sections: section name at " + std::to_string(offset) +
                             " lies outside the section name table");
    }
    const std::uint64_t begin = names.offset + offset;
    const std::uint64_t end = names.offset + names.size;
    std::string name;
    for (std::uint64_t i = begin; i < end && image[i] != 0; ++i) name.push_back(char(image[i]));
    return name;
}

}  // namespace

std::vector<ElfSection> list_elf_sections(std::span<const std::uint8_t> image) {
    const ImageReader in(image);
    const Layout layout = read_layout(in, image);
    std::vector<ElfSection> sections;
    if (layout.shoff == 0 || layout.shnum == 0) return sections;
    const RawSection names = read_section(in, layout, layout.shstrndx);
    sections.reserve(static_cast<std::size_t>(layout.shnum));
    for (std::uint64_t i = 0; i < layout.shnum; ++i) {
        const RawSection raw = read_section(in, layout, i);
        ElfSection section;
        section.name = read_name(image, names, raw.name_offset);
        section.type = raw.type;
        section.offset = raw.offset;
        section.size = raw.type == kSectionNoBits ? 0 : raw.size;
        if (section.size > 0 && (section.offset > image.size() || section.size > image.size() - section.offset)) {
            throw ElfFormatError("list_elf_sections: section \"" + section.name + "\" lies past the end of the file");
        }
        sections.push_back(std::move(section));
    }
    return sections;
}

std::optional<std::vector<std::uint8_t>> elf_section_bytes(std::span<const std::uint8_t> image, std::string_view name) {
    for (const ElfSection& section : list_elf_sections(image)) {
        if (section.name != name) continue;
        // An empty section's offset is never checked against the file (it may point
        // anywhere), so no pointer is formed from it.
        if (section.size == 0) return std::vector<std::uint8_t>();
        const auto begin = image.begin() + static_cast<std::ptrdiff_t>(section.offset);
        return std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(section.size));
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> read_elf_section(const std::string& path, std::string_view name) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) throw ElfFormatError("read_elf_section: " + path + ": cannot open the file");
    const std::streamoff length = file.tellg();
    std::vector<std::uint8_t> image(length > 0 ? static_cast<std::size_t>(length) : 0);
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()))) {
        throw ElfFormatError("read_elf_section: " + path + ": cannot read the file");
    }
    try {
        return elf_section_bytes(image, name);
    } catch (const ElfFormatError& error) {
        throw ElfFormatError(path + ": " + error.what());
    }
}

}  // namespace fx
