#pragma once
// The text the About command shows: effect name, about text and version, composed from
// the registration slots and the effect definition's settings.

#include <cstddef>
#include <string>
#include <string_view>

namespace fx {

class EffectDefinition;

// Everything the About text is made of. The slots are passed whole (their raw bytes),
// because their filler and first-byte markers matter.
struct AboutFacts {
    std::string_view about_text;         // the definition's "description" setting
    std::string_view display_name_slot;  // raw bytes of the registered display-name slot
    std::string_view effect_name;        // the definition's "name" setting
    int version_major = 0;
    int version_minor = 0;
    int version_build = 0;
    std::string_view core_version_slot;  // raw bytes of the core-version slot
};

// The shipped effect's facts: the registered display-name and core-version slots, and
// the definition's "description", "name" and "version" settings.
AboutFacts about_facts(const EffectDefinition& definition);

// The host's About area takes 256 bytes; the message is kept well inside that.
inline constexpr std::size_t kAboutMessageLimit = 230;

// Turns the two-character escapes "\r" and "\n" of a definition text into CR and LF
// (all "\r" first, then all "\n").
std::string expand_line_escapes(std::string_view text);

// The name as the About text shows it: the slot's text up to the first byte outside
// printable ASCII, without backslashes, slashes and quotes; the effect's own name when
// what remains has been blanked with a leading '#'.
std::string about_display_name(std::string_view display_name_slot, std::string_view effect_name);

// "v<major>.<minor>.<build>", followed by ", core: <core version>" unless the
// core-version slot is blanked with a leading '#'.
std::string about_version_string(const AboutFacts& facts);

// name CR about-text CR version, cut to kAboutMessageLimit characters.
std::string compose_about_message(const AboutFacts& facts);

}  // namespace fx
