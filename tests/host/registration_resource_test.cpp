// The registration resource, checked byte for byte against an encoding written here
// from the property table (stored key bytes as the host expects them), in all three
// places it exists: the encoder, the plug-in library's section and the resource script.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "host/pipl/pipl_encoding.h"
#include "host/pipl/pipl_section.h"
#include "host/registration.h"
#include "simhost/elf_section_reader.h"
#include "simhost/plugin_library.h"

namespace fx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& out, std::string_view chars) { out.insert(out.end(), chars.begin(), chars.end()); }
void append_le(Bytes& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 32-byte Pascal field: length byte, text, NUL, zero bytes.
Bytes pascal32(std::string_view text) {
    Bytes out;
    out.push_back(static_cast<std::uint8_t>(text.size()));
    append(out, text);
    out.resize(32, 0);
    return out;
}

struct ExpectedProperty {
    std::string_view stored_key;
    std::uint32_t length;
    Bytes data;  // before padding
};

Bytes expected_resource() {
    Bytes entry;
    append(entry, "EffectMain");
    entry.resize(12, 0);
    const std::vector<ExpectedProperty> properties = {
        {"dnik", 4, {'T', 'K', 'F', 'e'}},
        {"eman", 32, pascal32("Morvelline 2 Pro")},
        {"gtac", 32, pascal32("Quenly")},
        {"4668", 12, entry},
        {"RVPe", 4, {2, 0, 0, 0}},
        {"RVSe", 4, {13, 0, 27, 0}},
        {"REVe", 4, {0x02, 0x00, 0x10, 0x00}},
        {"FNIe", 2, {0, 0}},
        {"OLGe", 4, {0x64, 0x80, 0x00, 0x06}},
        {"2LGe", 4, {0x88, 0x14, 0xE2, 0x08}},
        {"ANMe", 32, pascal32("zqx_morvfact")},
        {"LFea", 4, {8, 0, 0, 0}},
    };
    Bytes out;
    append_le(out, 1, 2);   // list version
    append_le(out, 0, 4);   // reserved
    append_le(out, 12, 4);  // property count
    for (const ExpectedProperty& p : properties) {
        append(out, "MIB8");
        append(out, p.stored_key);
        append_le(out, 0, 4);
        append_le(out, p.length, 4);
        Bytes padded = p.data;
        padded.resize((padded.size() + 3) / 4 * 4, 0);
        out.insert(out.end(), padded.begin(), padded.end());
    }
    return out;
}

std::string first_difference(const Bytes& actual, const Bytes& expected) {
    std::ostringstream text;
    text << "sizes " << actual.size() << " and " << expected.size();
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (actual[i] != expected[i]) {
            text << "; first difference at byte " << i << ": 0x" << std::hex << int(actual[i]) << " instead of 0x"
                 << int(expected[i]);
            break;
        }
    }
    return text.str();
}

TEST(RegistrationResource, EncoderWritesTheTableBytes) {
    const Bytes actual = pipl::encode_registration_resource();
    const Bytes expected = expected_resource();
    EXPECT_EQ(actual, expected) << first_difference(actual, expected);
}

// Read as the host reads it: the library's section on Linux, its "PiPL" resource (id
// 16000) from the loaded library on Windows.
TEST(RegistrationResource, PluginLibraryCarriesExactlyTheBytesInItsSection) {
    const PluginLibrary library(FX_PLUGIN_PATH);
    const auto section = library.registration_bytes();
    ASSERT_TRUE(section.has_value()) << FX_PLUGIN_PATH << " carries no registration record";
    const Bytes expected = expected_resource();
    EXPECT_EQ(*section, expected) << first_difference(*section, expected);
}

// The resource script holds the list as 16-bit little-endian words after the resource's
// id, type and language.
TEST(RegistrationResource, ResourceScriptHoldsTheSameBytes) {
    std::ifstream file(FX_PIPL_RC_PATH);
    ASSERT_TRUE(file) << "cannot open " << FX_PIPL_RC_PATH;
    std::stringstream buffer;
    buffer << file.rdbuf();
    const std::string script = buffer.str();
    EXPECT_NE(script.find("LANGUAGE 0x09, 0x01"), std::string::npos) << script;  // 1033, US English
    const auto begin = script.find("16000 PIPL\nBEGIN");
    const auto end = script.find("END", begin);
    ASSERT_NE(begin, std::string::npos) << script;
    ASSERT_NE(end, std::string::npos) << script;
    const std::string body = script.substr(begin + 16, end - begin - 16);
    Bytes bytes;
    const std::regex word("0x([0-9A-Fa-f]{4})");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), word); it != std::sregex_iterator(); ++it)
        append_le(bytes, std::stoul((*it)[1].str(), nullptr, 16), 2);
    const Bytes expected = expected_resource();
    EXPECT_EQ(bytes, expected) << first_difference(bytes, expected);
}

// The resource's effect version and the version global set-up reports from the shipped
// definition describe one release: a new release edits both or neither.
TEST(RegistrationResource, EffectVersionIsTheShippedDefinitionsVersion) {
    EffectDefinition shipped;
    parse_loaded_definition(shipped, builtin_text(BuiltinText::definition), ParseEnvironment{});
    const std::int32_t* v = shipped.settings.version;
    EXPECT_EQ(registration::pack_effect_version(v[0], v[1], v[2]), registration::kEffectVersion)
        << "shipped definition version " << v[0] << "." << v[1] << "." << v[2];
}

}  // namespace
}  // namespace fx
