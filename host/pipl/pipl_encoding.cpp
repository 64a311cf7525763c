#include "host/pipl/pipl_encoding.h"

#include <string_view>

#include "host/registration.h"

namespace fx::pipl {
namespace {

// Four-character codes are written as their 32-bit value in little-endian order, so the
// characters land in the file reversed ('kind' is stored as "dnik").
constexpr std::uint32_t four_cc(const char (&code)[5]) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3]));
}

constexpr std::uint32_t vendor_code = four_cc("8BIM");
constexpr std::int16_t list_version = 1;
// A name property is a 32-byte Pascal string: length byte, text, NUL, zero filler.
constexpr std::size_t pascal_field_size = 32;
constexpr std::size_t pascal_text_limit = pascal_field_size - 2;

class PropertyList {
public:
    void add(std::uint32_t key, const std::vector<std::uint8_t>& data, std::uint32_t length) {
        put32(vendor_code);
        put32(key);
        put32(0);  // property id
        put32(length);
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
        ++count_;
    }

    std::vector<std::uint8_t> finish() const {
        std::vector<std::uint8_t> out;
        put16(out, static_cast<std::uint16_t>(list_version));
        put32(out, 0);  // reserved
        put32(out, count_);
        out.insert(out.end(), bytes_.begin(), bytes_.end());
        return out;
    }

private:
    static void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
    void put32(std::uint32_t v) { put32(bytes_, v); }

    std::vector<std::uint8_t> bytes_;
    std::uint32_t count_ = 0;
};

std::vector<std::uint8_t> le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

std::vector<std::uint8_t> le16_pair(std::int16_t a, std::int16_t b) {
    const auto ua = static_cast<std::uint16_t>(a);
    const auto ub = static_cast<std::uint16_t>(b);
    return {static_cast<std::uint8_t>(ua), static_cast<std::uint8_t>(ua >> 8), static_cast<std::uint8_t>(ub),
            static_cast<std::uint8_t>(ub >> 8)};
}

std::vector<std::uint8_t> pascal_field(std::string_view text) {
    if (text.size() > pascal_text_limit) text = text.substr(0, pascal_text_limit);
    std::vector<std::uint8_t> out(pascal_field_size, 0);
    out[0] = static_cast<std::uint8_t>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) out[1 + i] = static_cast<std::uint8_t>(text[i]);
    return out;
}

// The entry point's C string with its NUL, padded to a multiple of four; the stated
// length includes the padding.
std::vector<std::uint8_t> code_field(std::string_view name) {
    std::vector<std::uint8_t> out(name.begin(), name.end());
    out.push_back(0);
    while (out.size() % 4 != 0) out.push_back(0);
    return out;
}

}  // namespace

std::vector<std::uint8_t> encode_registration_resource() {
    namespace reg = fx::registration;
    static_assert(reg::slot_text(reg::display_name).size() <= pascal_text_limit);
    static_assert(reg::slot_text(reg::category).size() <= pascal_text_limit);
    static_assert(reg::slot_text(reg::match_name).size() <= pascal_text_limit);

    PropertyList list;
    list.add(four_cc("kind"), le32(static_cast<std::uint32_t>(reg::plugin_kind)), 4);
    list.add(four_cc("name"), pascal_field(reg::slot_text(reg::display_name)), pascal_field_size);
    list.add(four_cc("catg"), pascal_field(reg::slot_text(reg::category)), pascal_field_size);
    const auto code = code_field(reg::entry_point_name);
    list.add(four_cc("8664"), code, static_cast<std::uint32_t>(code.size()));
    list.add(four_cc("ePVR"), le16_pair(reg::property_list_version_major, reg::property_list_version_minor), 4);
    list.add(
        four_cc("eSVR"),
        le16_pair(static_cast<std::int16_t>(reg::api_version_major), static_cast<std::int16_t>(reg::api_version_minor)),
        4);
    list.add(four_cc("eVER"), le32(reg::effect_version), 4);
    const auto info = static_cast<std::uint16_t>(reg::effect_info_flags);
    list.add(four_cc("eINF"), {static_cast<std::uint8_t>(info), static_cast<std::uint8_t>(info >> 8)}, 2);
    list.add(four_cc("eGLO"), le32(reg::global_out_flags), 4);
    list.add(four_cc("eGL2"), le32(reg::global_out_flags2), 4);
    list.add(four_cc("eMNA"), pascal_field(reg::slot_text(reg::match_name)), pascal_field_size);
    list.add(four_cc("aeFL"), le32(static_cast<std::uint32_t>(reg::reserved_info)), 4);
    return list.finish();
}

}  // namespace fx::pipl
