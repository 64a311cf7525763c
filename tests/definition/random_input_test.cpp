#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "definition/definition_codes.h"
#include "parse_fixture.h"

namespace fx {
namespace {

// Pieces of the definition language, so that random texts reach deep into the parser
// instead of stopping at the first unknown line.
const char* const kTokens[] = {
    "[par",
    "[par]",
    "[par ",
    "[ps",
    "[ps0]",
    "[ps1]",
    "[vs]",
    "[script",
    "[preset",
    "[preset a_1]",
    "[settings]",
    "[routing]",
    "[replace]",
    "[sho",
    "##",
    "##m ",
    "#include ",
    "#include x\n",
    "\n",
    "\r\n",
    "=",
    "|",
    ",",
    "]",
    "name=",
    "param=",
    "type=",
    "popup",
    "text",
    "image",
    "layer",
    "default=",
    "flags=802",
    "flags=",
    "group",
    "groupswitch=",
    "id=",
    "min=",
    "max=",
    "ps0_in",
    "ps1_out=",
    "ps2_",
    "ps0",
    "presetmode=2",
    "transition=1",
    "id_offset=",
    "version=",
    "-$",
    "$",
    ";",
    "/",
    "\\n",
    "#version",
    "true",
    "false",
    "99999999999",
    "-1",
    "255",
    "31",
    "32",
    "1e40",
    "nan",
    "\t",
    " ",
    "_",
    "a",
    "Z",
};

std::string random_text(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> choice(0, 3);
    std::uniform_int_distribution<std::size_t> token(0, std::size(kTokens) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    for (int i = length(rng); i > 0; --i) {
        if (choice(rng) == 0) {
            text.push_back(static_cast<char>(byte(rng)));
        } else {
            text += kTokens[token(rng)];
        }
    }
    return text;
}

void expect_complete(const EffectDefinition& d, const std::string& text) {
    const EffectSettings& s = d.settings;
    ASSERT_GE(s.param_count, 1) << text;
    ASSERT_LE(s.param_count, kSlotCount) << text;
    ASSERT_GE(s.layer_count, 1) << text;
    ASSERT_LE(s.layer_count, kMaxInputs) << text;
    ASSERT_LE(s.image_count, kMaxImages) << text;
    ASSERT_LE(s.text_count, kMaxTexts) << text;
    ASSERT_GE(s.pass_count, 0) << text;
    ASSERT_LE(s.pass_count, kMaxPasses) << text;
    ASSERT_LE(s.script_count, kScriptSlots) << text;
    ASSERT_LE(s.name.size(), 31u) << text;
    if (text.size() < 3) return;
    ASSERT_NE(d.vertex_source.view().find("#version"), std::string_view::npos) << text;
    for (int32_t k = 0; k < s.pass_count; ++k) {
        ASSERT_NE(d.pass_source[k].view().find("#version"), std::string_view::npos) << "pass " << k << "\n" << text;
        for (int32_t l = 0; l < s.layer_count; ++l) ASSERT_GE(s.pass_input[k][l], 0) << text;
        // A pass never writes a buffer it reads.
        for (int32_t l = 0; l < s.layer_count; ++l) ASSERT_NE(s.pass_output[k], s.pass_input[k][l]) << text;
        ASSERT_GE(s.pass_output[k], 1) << text;
    }
    if (s.id_offset >= 0) {
        for (int32_t i = 1; i < s.param_count; ++i) ASSERT_GE(d.params[i].id, 0) << "slot " << i << "\n" << text;
    }
    ASSERT_GE(s.imgwidth, 1) << text;
    ASSERT_FALSE(s.dialogbutton.empty()) << text;
    for (int32_t i = 0; i < s.param_count; ++i) {
        if (is_preset_file_popup(d.params[i])) {
            ASSERT_EQ(d.params[i].items.size(), s.preset_entries.size()) << text;
            break;
        }
    }
}

TEST(RandomInput, ParsesWithoutCrashOrHangAndStaysComplete) {
    std::mt19937 rng(20261208);
    testing::FakeEnvironment fake;
    fake.preset_files = {"C:\\ProgramData\\\\a_b.fxpr", "C:\\ProgramData\\\\x\\y|z.fxpr"};
    // Included files that include each other and themselves.
    fake.files["x"] = "#include x\n[par]\nname=inc\n#include y\n";
    fake.files["y"] = "##m v##\n#include x\n";
    auto def = std::make_unique<EffectDefinition>();
    for (int i = 0; i < 400; ++i) {
        const std::string text = random_text(rng);
        ::testing::internal::CaptureStdout();
        parse_definition(*def, text, fake.make());
        ::testing::internal::GetCapturedStdout();
        expect_complete(*def, text);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace fx
