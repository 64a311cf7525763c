#pragma once
// Reads what the host looks at in a 64-bit Windows DLL: its export names and its
// resources (type, name, language and bytes), straight from the file's PE headers, so a
// Windows plug-in built here can be checked here without Windows.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx {

class PeFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A resource's type and name as resource scripts write them: a string ("PIPL"), or a
// number written as "#16000".
struct PeResource {
    std::string type;
    std::string name;
    std::uint32_t language = 0;
    std::vector<std::uint8_t> bytes;
};

struct PeImage {
    std::uint16_t machine = 0;  // 0x8664 for x86-64
    bool dll = false;
    std::uint32_t exported_functions = 0;  // entries of the export address table
    std::vector<std::string> export_names;
    std::vector<PeResource> resources;
};

// Throws PeFormatError when the image is not a PE32+ file or a header, table or
// resource points outside it.
PeImage read_pe_image(std::span<const std::uint8_t> image);

// The same for a file; errors name the path.
PeImage read_pe_file(const std::string& path);

}  // namespace fx
