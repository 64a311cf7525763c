#include "tests/simhost/registration_record_fuzz_target.h"

#include <span>

#include "simhost/elf_section_reader.h"
#include "simhost/pipl_record.h"

namespace fx::test {

std::string fuzz_registration_record(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    std::string broken;
    try {
        if (const auto section = elf_section_bytes(input, ".pipl")) {
            if (section->size() > size) broken = ".pipl section is larger than the image";
            parse_pipl(*section);
        }
    } catch (const ElfFormatError&) {
    } catch (const PiplFormatError&) {}
    try {
        const PiplRecord record = parse_pipl(input);
        if (record.bytes_used > size) broken += "property list ends past the input";
    } catch (const PiplFormatError&) {}
    return broken;
}

}  // namespace fx::test
