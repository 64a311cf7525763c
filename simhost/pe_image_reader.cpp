#include "simhost/pe_image_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

namespace fx {
namespace {

constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint16_t kDllFlag = 0x2000;
constexpr std::uint32_t kExportDirectory = 0;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kHighBit = 0x80000000u;
// Windows nests resources as type / name / language; deeper trees are not resources
// any loader would find, and a bound stops a directory that points back at itself.
constexpr int kResourceLevels = 3;

[[noreturn]] void fail(const std::string& what) { throw PeFormatError(what); }

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> image) : image_(image) {}

    std::uint16_t u16(std::uint64_t at, const char* what) const {
        need(at, 2, what);
        return static_cast<std::uint16_t>(image_[at] | (image_[at + 1] << 8));
    }
    std::uint32_t u32(std::uint64_t at, const char* what) const {
        need(at, 4, what);
        return static_cast<std::uint32_t>(u16(at, what)) | (static_cast<std::uint32_t>(u16(at + 2, what)) << 16);
    }
    std::span<const std::uint8_t> slice(std::uint64_t at, std::uint64_t size, const char* what) const {
        need(at, size, what);
        return image_.subspan(at, size);
    }
    void need(std::uint64_t at, std::uint64_t size, const char* what) const {
        if (at > image_.size() || size > image_.size() - at)
            fail(std::string(what) + " lies outside the file (" + std::to_string(image_.size()) + " bytes)");
    }

private:
    std::span<const std::uint8_t> image_;
};

struct Section {
    std::uint32_t address = 0;  // relative virtual address
    std::uint32_t size = 0;     // the larger of its memory and file sizes
    std::uint32_t raw_offset = 0;
    std::uint32_t raw_size = 0;
};

class Layout {
public:
    Layout(const Bytes& bytes, std::vector<Section> sections) : bytes_(bytes), sections_(std::move(sections)) {}

    // File offset of `size` bytes at relative virtual address `rva`, all inside the file
    // data of one section.
    std::uint64_t offset(std::uint32_t rva, std::uint64_t size, const char* what) const {
        for (const Section& s : sections_) {
            if (rva < s.address || rva - s.address >= s.size) continue;
            const std::uint64_t within = rva - s.address;
            if (within + size > s.raw_size) fail(std::string(what) + " runs past its section's file data");
            const std::uint64_t at = s.raw_offset + within;
            bytes_.need(at, size, what);
            return at;
        }
        fail(std::string(what) + " is at an address no section holds");
    }
    std::string c_string(std::uint32_t rva, const char* what) const {
        std::string out;
        for (std::uint64_t at = offset(rva, 1, what);; ++at) {
            const auto c = static_cast<char>(bytes_.slice(at, 1, what)[0]);
            if (c == '\0') return out;
            out += c;
        }
    }
    const Bytes& bytes() const { return bytes_; }

private:
    const Bytes& bytes_;
    std::vector<Section> sections_;
};

struct Directory {
    std::uint32_t address = 0;
    std::uint32_t size = 0;
};

void read_exports(const Layout& layout, Directory dir, PeImage& out) {
    if (dir.address == 0) return;
    const Bytes& b = layout.bytes();
    const std::uint64_t at = layout.offset(dir.address, 40, "the export directory");
    out.exported_functions = b.u32(at + 20, "the export count");
    const std::uint32_t names = b.u32(at + 24, "the export name count");
    const std::uint32_t name_table = b.u32(at + 32, "the export name table");
    if (names > out.exported_functions) fail("more export names than exported functions");
    const std::uint64_t table = layout.offset(name_table, std::uint64_t{names} * 4, "the export name table");
    for (std::uint32_t i = 0; i < names; ++i)
        out.export_names.push_back(layout.c_string(b.u32(table + 4ull * i, "an export name"), "an export name"));
}

class ResourceTree {
public:
    ResourceTree(const Layout& layout, Directory dir)
        : layout_(layout), size_(dir.size), start_(layout.offset(dir.address, dir.size, "the resource section")) {}

    void read(PeImage& out) const {
        std::vector<std::string> path;
        walk(0, 0, path, out);
    }

private:
    std::uint64_t at(std::uint32_t offset, std::uint64_t size, const char* what) const {
        if (offset > size_ || size > size_ - offset) fail(std::string(what) + " lies outside the resource section");
        return start_ + offset;
    }

    std::string entry_name(std::uint32_t name) const {
        if ((name & kHighBit) == 0) return "#" + std::to_string(name);
        const Bytes& b = layout_.bytes();
        const std::uint32_t offset = name & ~kHighBit;
        const std::uint16_t length = b.u16(at(offset, 2, "a resource name"), "a resource name");
        const std::uint64_t chars = at(offset + 2, 2ull * length, "a resource name");
        std::string out;
        for (std::uint16_t i = 0; i < length; ++i) {
            const std::uint16_t c = b.u16(chars + 2ull * i, "a resource name");
            out += c < 0x80 ? static_cast<char>(c) : '?';
        }
        return out;
    }

    void walk(std::uint32_t offset, int level, std::vector<std::string>& path, PeImage& out) const {
        const Bytes& b = layout_.bytes();
        const std::uint64_t dir = at(offset, 16, "a resource directory");
        const std::uint32_t entries =
            std::uint32_t{b.u16(dir + 12, "a resource directory")} + b.u16(dir + 14, "a resource directory");
        at(offset + 16, 8ull * entries, "a resource directory's entries");
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint64_t entry = dir + 16 + 8ull * i;
            const std::uint32_t name = b.u32(entry, "a resource entry");
            const std::uint32_t target = b.u32(entry + 4, "a resource entry");
            const bool subdirectory = (target & kHighBit) != 0;
            if (subdirectory != (level + 1 < kResourceLevels))
                fail("the resource tree is not type / name / language deep");
            if (subdirectory) {
                path.push_back(entry_name(name));
                walk(target & ~kHighBit, level + 1, path, out);
                path.pop_back();
                continue;
            }
            if ((name & kHighBit) != 0) fail("a resource language is a name, not a number");
            const std::uint64_t data = at(target, 16, "a resource data entry");
            const std::uint32_t rva = b.u32(data, "a resource data entry");
            const std::uint32_t size = b.u32(data + 4, "a resource data entry");
            const std::uint64_t bytes = layout_.offset(rva, size, "a resource's data");
            const auto span = b.slice(bytes, size, "a resource's data");
            out.resources.push_back({path[0], path[1], name, {span.begin(), span.end()}});
        }
    }

    const Layout& layout_;
    std::uint32_t size_;
    std::uint64_t start_;
};

PeImage read_image(std::span<const std::uint8_t> image) {
    const Bytes b(image);
    if (b.u16(0, "the DOS header") != 0x5A4D) fail("not a Windows executable (no \"MZ\" at the start)");
    const std::uint32_t pe = b.u32(0x3C, "the DOS header");
    if (b.u32(pe, "the PE signature") != 0x00004550) fail("no \"PE\" signature where the DOS header points");
    const std::uint64_t coff = pe + 4ull;
    PeImage out;
    out.machine = b.u16(coff, "the file header");
    const std::uint16_t section_count = b.u16(coff + 2, "the file header");
    const std::uint16_t optional_size = b.u16(coff + 16, "the file header");
    out.dll = (b.u16(coff + 18, "the file header") & kDllFlag) != 0;
    const std::uint64_t optional = coff + 20;
    if (b.u16(optional, "the optional header") != kPe32PlusMagic) fail("not a 64-bit (PE32+) image");
    const std::uint32_t directory_count = b.u32(optional + 108, "the optional header");
    if (112ull + 8ull * directory_count > optional_size) fail("the data directories run past the optional header");
    auto directory = [&](std::uint32_t index) {
        if (index >= directory_count) return Directory{};
        const std::uint64_t at = optional + 112 + 8ull * index;
        return Directory{b.u32(at, "a data directory"), b.u32(at + 4, "a data directory")};
    };
    std::vector<Section> sections;
    const std::uint64_t table = optional + optional_size;
    for (std::uint16_t i = 0; i < section_count; ++i) {
        const std::uint64_t s = table + 40ull * i;
        const std::uint32_t memory_size = b.u32(s + 8, "the section table");
        const std::uint32_t raw_size = b.u32(s + 16, "the section table");
        sections.push_back({b.u32(s + 12, "the section table"), std::max(memory_size, raw_size),
                            b.u32(s + 20, "the section table"), raw_size});
    }
    const Layout layout(b, std::move(sections));
    read_exports(layout, directory(kExportDirectory), out);
    if (const Directory resources = directory(kResourceDirectory); resources.address != 0)
        ResourceTree(layout, resources).read(out);
    return out;
}

}  // namespace

PeImage read_pe_image(std::span<const std::uint8_t> image) {
    try {
        return read_image(image);
    } catch (const PeFormatError& e) {
        throw PeFormatError(std::string("read_pe_image: ") + e.what());
    }
}

PeImage read_pe_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PeFormatError("read_pe_image: " + path + ": cannot open the file");
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    try {
        return read_image(image);
    } catch (const PeFormatError& e) {
        throw PeFormatError("read_pe_image: " + path + ": " + e.what());
    }
}

}  // namespace fx
