#pragma once
// The plug-in's registration record ("PIPL"): a little-endian property list that the host
// reads from the library file before it calls any of the library's code.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

class PiplFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PiplProperty {
    std::string vendor;  // as read: "8BIM" (stored byte-reversed as "MIB8")
    std::string key;     // as read: "kind", "name", "8664", "eGLO" ...
    std::int32_t id = 0;
    std::int32_t length = 0;         // bytes of data before the padding
    std::vector<std::uint8_t> data;  // exactly `length` bytes

    std::uint32_t u32() const;                  // first four bytes, little-endian
    std::int16_t i16(std::size_t index) const;  // the index-th 16-bit value
    std::string pascal_text() const;            // length byte, then that many characters
    std::string c_text() const;                 // up to the first NUL
    std::string four_cc() const;                // the four data bytes read as a reversed code ("TKFe" -> "eFKT")
};

struct PiplRecord {
    std::int16_t version = 0;
    std::int32_t reserved = 0;
    std::int32_t count = 0;
    std::vector<PiplProperty> properties;
    std::size_t bytes_used = 0;  // where the last property's padding ends

    const PiplProperty* find(std::string_view key) const;
};

// Parses a property list; every length is checked against the bytes given. Throws
// PiplFormatError saying what was expected where.
PiplRecord parse_pipl(std::span<const std::uint8_t> bytes);

}  // namespace fx
