#include "host/about_message.h"

#include "definition/effect_definition.h"
#include "host/registration.h"

namespace fx {
namespace {

void replace_all(std::string& text, std::string_view from, char to) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    text = std::move(out);
}

std::string_view text_before_nul(std::string_view slot) {
    const auto end = slot.find('\0');
    return end == std::string_view::npos ? slot : slot.substr(0, end);
}

bool is_left_out_of_name(char c) { return c == '\\' || c == '/' || c == '\'' || c == '"'; }

template <std::size_t N>
std::string_view whole_slot(const registration::TextSlot<N>& slot) {
    return std::string_view(slot.data(), slot.size());
}

}  // namespace

AboutFacts about_facts(const EffectDefinition& definition) {
    AboutFacts facts;
    facts.about_text = definition.settings.description.c_str();
    facts.display_name_slot = whole_slot(registration::kDisplayName);
    facts.effect_name = definition.settings.name.c_str();
    facts.version_major = definition.settings.version[0];
    facts.version_minor = definition.settings.version[1];
    facts.version_build = definition.settings.version[2];
    facts.core_version_slot = whole_slot(registration::kCoreVersion);
    return facts;
}

std::string expand_line_escapes(std::string_view text) {
    std::string out(text);
    replace_all(out, "\\r", '\r');
    replace_all(out, "\\n", '\n');
    return out;
}

std::string about_display_name(std::string_view display_name_slot, std::string_view effect_name) {
    std::string name;
    for (const char c : display_name_slot) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7F) break;
        if (!is_left_out_of_name(c)) name += c;
    }
    if (!name.empty() && name.front() == '#') return std::string(effect_name);
    return name;
}

std::string about_version_string(const AboutFacts& facts) {
    std::string version = "v" + std::to_string(facts.version_major) + "." + std::to_string(facts.version_minor) + "." +
                          std::to_string(facts.version_build);
    const std::string_view core = text_before_nul(facts.core_version_slot);
    if (core.empty() || core.front() != '#') {
        version += ", core: ";
        version += core;
    }
    return version;
}

std::string compose_about_message(const AboutFacts& facts) {
    std::string message = about_display_name(facts.display_name_slot, facts.effect_name);
    message += '\r';
    message += expand_line_escapes(facts.about_text);
    message += '\r';
    message += about_version_string(facts);
    if (message.size() > kAboutMessageLimit) message.resize(kAboutMessageLimit);
    return message;
}

}  // namespace fx
