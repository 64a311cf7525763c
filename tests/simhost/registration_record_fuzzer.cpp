// libFuzzer target for the readers of the plug-in library file: the input is taken both
// as an ELF image (whose ".pipl" section is then parsed) and as a bare property list.
#include <cstddef>
#include <cstdint>
#include <span>

#include "simhost/elf_section_reader.h"
#include "simhost/pipl_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    try {
        if (const auto section = fx::elf_section_bytes(input, ".pipl")) fx::parse_pipl(*section);
    } catch (const fx::ElfFormatError&) {
    } catch (const fx::PiplFormatError&) {}
    try {
        fx::parse_pipl(input);
    } catch (const fx::PiplFormatError&) {}
    return 0;
}
