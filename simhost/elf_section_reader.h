#pragma once
// Reads a named section out of an ELF file by walking its section headers, the way the
// host finds the registration record that the plug-in build places in its library.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

class ElfFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ElfSection {
    std::string name;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;  // in the file
    std::uint64_t size = 0;    // bytes in the file (0 for sections that occupy none)
};

// Every section of a little-endian 32- or 64-bit ELF image; throws ElfFormatError when
// the image is not one or a header points outside it.
std::vector<ElfSection> list_elf_sections(std::span<const std::uint8_t> image);

// The bytes of the first section called `name`, or nothing when the image has none.
std::optional<std::vector<std::uint8_t>> elf_section_bytes(std::span<const std::uint8_t> image, std::string_view name);

// The same for a file; throws ElfFormatError (naming the path) when the file cannot be read
// or is not an ELF file.
std::optional<std::vector<std::uint8_t>> read_elf_section(const std::string& path, std::string_view name);

}  // namespace fx
