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

constexpr std::uint32_t kVendorCode = four_cc("8BIM");
constexpr std::int16_t kListVersion = 1;
// A name property is a 32-byte Pascal string: length byte, text, NUL, zero filler.
constexpr std::size_t kPascalFieldSize = 32;
constexpr std::size_t kPascalTextLimit = kPascalFieldSize - 2;

class PropertyList {
public:
    void add(std::uint32_t key, const std::vector<std::uint8_t>& data, std::uint32_t length) {
        put32(kVendorCode);
        put32(key);
        put32(0);  // property id
        put32(length);
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
        ++count_;
    }

    std::vector<std::uint8_t> finish() const {
        std::vector<std::uint8_t> out;
        put16(out, static_cast<std::uint16_t>(kListVersion));
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
    if (text.size() > kPascalTextLimit) text = text.substr(0, kPascalTextLimit);
    std::vector<std::uint8_t> out(kPascalFieldSize, 0);
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
    static_assert(reg::slot_text(reg::kDisplayName).size() <= kPascalTextLimit);
    static_assert(reg::slot_text(reg::kCategory).size() <= kPascalTextLimit);
    static_assert(reg::slot_text(reg::kMatchName).size() <= kPascalTextLimit);

    PropertyList list;
    list.add(four_cc("kind"), le32(static_cast<std::uint32_t>(reg::kPluginKind)), 4);
    list.add(four_cc("name"), pascal_field(reg::slot_text(reg::kDisplayName)), kPascalFieldSize);
    list.add(four_cc("catg"), pascal_field(reg::slot_text(reg::kCategory)), kPascalFieldSize);
    const auto code = code_field(reg::kEntryPointName);
    list.add(four_cc("8664"), code, static_cast<std::uint32_t>(code.size()));
    list.add(four_cc("ePVR"), le16_pair(reg::kPropertyListVersionMajor, reg::kPropertyListVersionMinor), 4);
    list.add(
        four_cc("eSVR"),
        le16_pair(static_cast<std::int16_t>(reg::kApiVersionMajor), static_cast<std::int16_t>(reg::kApiVersionMinor)),
        4);
    list.add(four_cc("eVER"), le32(reg::kEffectVersion), 4);
    const auto info = static_cast<std::uint16_t>(reg::kEffectInfoFlags);
    list.add(four_cc("eINF"), {static_cast<std::uint8_t>(info), static_cast<std::uint8_t>(info >> 8)}, 2);
    list.add(four_cc("eGLO"), le32(reg::kGlobalOutFlags), 4);
    list.add(four_cc("eGL2"), le32(reg::kGlobalOutFlags2), 4);
    list.add(four_cc("eMNA"), pascal_field(reg::slot_text(reg::kMatchName)), kPascalFieldSize);
    list.add(four_cc("aeFL"), le32(static_cast<std::uint32_t>(reg::kReservedInfo)), 4);
    return list.finish();
}

}  // namespace fx::pipl
