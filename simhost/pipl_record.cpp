#include "simhost/pipl_record.h"

#include <algorithm>

namespace fx {
namespace {

constexpr std::size_t kHeaderBytes = 10;   // int16 version, int32 reserved, int32 count
constexpr std::size_t kPropertyHead = 16;  // vendor, key, id, length

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

std::string reversed_code(std::span<const std::uint8_t> b, std::size_t at) {
    return {char(b[at + 3]), char(b[at + 2]), char(b[at + 1]), char(b[at])};
}

}  // namespace

std::uint32_t PiplProperty::u32() const {
    if (data.size() < 4) {
        throw PiplFormatError("PiplProperty::u32: property \"" + key + "\" holds " + std::to_string(data.size()) +
                              " bytes, expected at least 4");
    }
    return le32(data, 0);
}

std::int16_t PiplProperty::i16(std::size_t index) const {
    if (data.size() < 2 * index + 2) {
        throw PiplFormatError("PiplProperty::i16: property \"" + key + "\" holds " + std::to_string(data.size()) +
                              " bytes, too few for value " + std::to_string(index));
    }
    return static_cast<std::int16_t>(data[2 * index] | data[2 * index + 1] << 8);
}

std::string PiplProperty::pascal_text() const {
    if (data.empty()) return {};
    const std::size_t n = std::min<std::size_t>(data[0], data.size() - 1);
    return std::string(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(n));
}

std::string PiplProperty::c_text() const {
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return std::string(data.begin(), end);
}

std::string PiplProperty::four_cc() const {
    if (data.size() < 4) {
        throw PiplFormatError("PiplProperty::four_cc: property \"" + key + "\" holds " + std::to_string(data.size()) +
                              " bytes, expected 4");
    }
    return reversed_code(data, 0);
}

const PiplProperty* PiplRecord::find(std::string_view key) const {
    for (const PiplProperty& property : properties) {
        if (property.key == key) return &property;
    }
    return nullptr;
}

PiplRecord parse_pipl(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderBytes) {
        throw PiplFormatError("parse_pipl: " + std::to_string(bytes.size()) +
                              " bytes, expected at least the 10-byte list header");
    }
    PiplRecord record;
    record.version = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    record.reserved = static_cast<std::int32_t>(le32(bytes, 2));
    record.count = static_cast<std::int32_t>(le32(bytes, 6));
    if (record.count < 0) {
        throw PiplFormatError("parse_pipl: property count " + std::to_string(record.count) + " is negative");
    }
    std::size_t at = kHeaderBytes;
    for (std::int32_t i = 0; i < record.count; ++i) {
        if (bytes.size() - at < kPropertyHead) {
            throw PiplFormatError("parse_pipl: property " + std::to_string(i + 1) + " of " +
                                  std::to_string(record.count) + " starts at byte " + std::to_string(at) +
                                  " but the list ends at " + std::to_string(bytes.size()));
        }
        PiplProperty property;
        property.vendor = reversed_code(bytes, at);
        property.key = reversed_code(bytes, at + 4);
        property.id = static_cast<std::int32_t>(le32(bytes, at + 8));
        property.length = static_cast<std::int32_t>(le32(bytes, at + 12));
        at += kPropertyHead;
        if (property.length < 0) {
            throw PiplFormatError("parse_pipl: property \"" + property.key + "\" has negative length " +
                                  std::to_string(property.length));
        }
        const std::size_t length = static_cast<std::size_t>(property.length);
        const std::size_t padded = (length + 3) & ~std::size_t{3};
        if (bytes.size() - at < padded) {
            throw PiplFormatError("parse_pipl: property \"" + property.key + "\" claims " + std::to_string(length) +
                                  " bytes (" + std::to_string(padded) + " padded) but only " +
                                  std::to_string(bytes.size() - at) + " remain");
        }
        property.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += padded;
        record.properties.push_back(std::move(property));
    }
    record.bytes_used = at;
    return record;
}

}  // namespace fx
