#include "host/about_message.h"

#include <gtest/gtest.h>

#include "definition/effect_definition.h"

#include <ostream>
#include <string>

namespace fx {
namespace {

std::string slot32(const std::string& text, char filler = '#') {
    std::string slot = text;
    slot += '\0';
    while (slot.size() < 31) slot += filler;
    slot += '\0';
    return slot.substr(0, 32);
}

AboutFacts facts_with(std::string_view about, std::string_view name_slot, std::string_view core_slot) {
    AboutFacts f;
    f.about_text = about;
    f.display_name_slot = name_slot;
    f.effect_name = "Own Name";
    f.version_major = 2;
    f.version_minor = 0;
    f.version_build = 2;
    f.core_version_slot = core_slot;
    return f;
}

struct AboutRow {
    const char* label;
    std::string about;
    std::string name_slot;
    std::string core_slot;
    std::string expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const AboutRow& row, std::ostream* os) { *os << row.label; }

class AboutMessageTest : public ::testing::TestWithParam<AboutRow> {};

TEST_P(AboutMessageTest, Composes) {
    const AboutRow& row = GetParam();
    EXPECT_EQ(compose_about_message(facts_with(row.about, row.name_slot, row.core_slot)), row.expected)
        << "about text: " << row.about;
}

const std::string core = slot32("23.7.8").substr(0, 31);

INSTANTIATE_TEST_SUITE_P(
    Rows, AboutMessageTest,
    ::testing::Values(
        AboutRow{"plain", "A transition.", slot32("Morvelline 2 Pro"), core,
                 "Morvelline 2 Pro\rA transition.\rv2.0.2, core: 23.7.8"},
        AboutRow{"escapes_become_cr_and_lf", "one\\rtwo\\nthree", slot32("Fx"), core,
                 "Fx\rone\rtwo\nthree\rv2.0.2, core: 23.7.8"},
        AboutRow{"doubled_backslash_keeps_the_first", "a\\\\nb", slot32("Fx"), core,
                 "Fx\ra\\\nb\rv2.0.2, core: 23.7.8"},
        AboutRow{"percent_stays", "100% sure %s %d", slot32("Fx"), core, "Fx\r100% sure %s %d\rv2.0.2, core: 23.7.8"},
        AboutRow{"blanked_name_uses_definition_name", "x", std::string(31, '#') + '\0', core,
                 "Own Name\rx\rv2.0.2, core: 23.7.8"},
        AboutRow{"quotes_and_slashes_left_out_of_name", "x", slot32("A/B\\C'D\"E"), core,
                 "ABCDE\rx\rv2.0.2, core: 23.7.8"},
        AboutRow{"hash_after_removed_characters_still_blanks", "x", slot32("/#Name"), core,
                 "Own Name\rx\rv2.0.2, core: 23.7.8"},
        AboutRow{"name_ends_at_control_byte", "x",
                 slot32("Ab\x01"
                        "Cd"),
                 core, "Ab\rx\rv2.0.2, core: 23.7.8"},
        AboutRow{"name_ends_at_byte_above_ascii", "x", slot32("Ab\xC3\xA9"), core, "Ab\rx\rv2.0.2, core: 23.7.8"},
        // 0x7F is the last byte the name keeps: only bytes above it end the name.
        AboutRow{"delete_byte_stays_in_name", "x",
                 slot32("Ab\x7F"
                        "Cd"),
                 core,
                 "Ab\x7F"
                 "Cd\rx\rv2.0.2, core: 23.7.8"},
        AboutRow{"blanked_core_version_hides_it", "x", slot32("Fx"), std::string(30, '#') + '\0', "Fx\rx\rv2.0.2"},
        AboutRow{"empty_about_text", "", slot32("Fx"), core, "Fx\r\rv2.0.2, core: 23.7.8"}),
    [](const ::testing::TestParamInfo<AboutRow>& info) { return std::string(info.param.label); });

TEST(AboutMessage, LongTextIsCutToTheLimitAfterEscapesExpand) {
    // 150 escape pairs are 300 characters in the definition but 150 after expansion, so
    // the cut must come after the escapes are replaced.
    std::string about;
    for (int i = 0; i < 150; ++i) about += "\\n";
    about += std::string(200, 'z');
    const std::string message = compose_about_message(facts_with(about, slot32("Fx"), core));
    ASSERT_EQ(message.size(), kAboutMessageLimit);
    EXPECT_EQ(message.substr(0, 3), "Fx\r");
    EXPECT_EQ(message.substr(3, 150), std::string(150, '\n'));
    EXPECT_EQ(message.substr(153), std::string(kAboutMessageLimit - 153, 'z'));
}

TEST(AboutMessage, ExactlyTheLimitIsKeptWhole) {
    const std::string version = "\rv2.0.2, core: 23.7.8";
    const std::string about(kAboutMessageLimit - 3 - version.size(), 'q');
    const std::string message = compose_about_message(facts_with(about, slot32("Fx"), core));
    EXPECT_EQ(message, "Fx\r" + about + version);
}

TEST(AboutMessage, VersionNumbersAreDecimal) {
    AboutFacts f = facts_with("", slot32("Fx"), core);
    f.version_major = 10;
    f.version_minor = 3;
    f.version_build = 117;
    EXPECT_EQ(about_version_string(f), "v10.3.117, core: 23.7.8");
}

TEST(AboutMessage, FactsComeFromTheDefinitionAndTheRegisteredSlots) {
    EffectDefinition definition;
    definition.settings.name = "Definition Name";
    definition.settings.description = "Definition About";
    definition.settings.version[0] = 7;
    definition.settings.version[1] = 8;
    definition.settings.version[2] = 9;
    AboutFacts facts = about_facts(definition);
    EXPECT_EQ(compose_about_message(facts), "Morvelline 2 Pro\rDefinition About\rv7.8.9, core: 23.7.8");
    // A re-branded library blanks its display-name slot: the definition's name stands in.
    const std::string blanked = std::string(31, '#') + '\0';
    facts.display_name_slot = blanked;
    EXPECT_EQ(compose_about_message(facts), "Definition Name\rDefinition About\rv7.8.9, core: 23.7.8");
}

}  // namespace
}  // namespace fx
