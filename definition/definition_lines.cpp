#include "definition/definition_lines.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "definition/declare_attribute.h"
#include "definition/known_words.h"
#include "definition/number_text.h"
#include "definition/routing_key.h"
#include "definition/settings_key.h"
#include "definition/source_bounds.h"
#include "definition/text_edit.h"

namespace fx {
namespace {

bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

void warn(const ParseState& state, std::optional<std::string> problem) {
    if (problem && state.diagnostics) state.diagnostics->warn(std::move(*problem));
}

void declare_checked(EffectDefinition& def, const ParseState& state, std::string_view key, std::string_view value) {
    // A text parameter's default lists its entries, not numbers.
    const bool text_default =
        key == "default" && state.slot >= 0 && state.slot < kSlotCount && def.params[state.slot].type == kParamText;
    if (!text_default) warn(state, attribute_problem(key, value));
    declare_attribute(def, state.slot, key, value);
}

// The fields of an inline header "[par name, param, type, min, max, default, text, flags]",
// read from the sixth character of the header line on; missing fields are empty. Only the
// eight fields are split: text after the eighth comma is ignored, however many commas
// it holds.
std::vector<std::string> inline_fields(std::string_view header) {
    const std::string_view fields = trim(header.substr(std::min<std::size_t>(5, header.size())), " \t\r]\n");
    std::vector<std::string> result;
    std::size_t start = 0;
    while (result.size() < static_cast<std::size_t>(kInlineFieldCount)) {
        const std::size_t comma = std::min(fields.find(',', start), fields.size());
        if (start <= fields.size())
            result.emplace_back(trim(fields.substr(start, comma - start), kBlanks));
        else
            result.emplace_back();
        start = comma + 1;
    }
    return result;
}

void read_parameter_header(EffectDefinition& def, std::string_view header, ParseState& state) {
    const std::string& name = state.section;
    const std::string_view digits = std::string_view(name).substr(3, 2);
    if (digits.empty() || starts_with(name, "par ")) {
        // Slots past 255 have no storage; counting stops there instead of overflowing.
        state.slot = std::min(state.slot + 1, kSlotCount);
    } else {
        state.slot = read_int(digits);
    }
    if (name.size() <= 5) return;
    static constexpr std::array<std::string_view, 8> keys = {"name", "param",   "type", "min",
                                                             "max",  "default", "text", "flags"};
    const std::vector<std::string> fields = inline_fields(header);
    for (std::size_t i = 0; i < keys.size(); ++i) declare_checked(def, state, keys[i], fields[i]);
}

// Pass and script numbers outside their storage are remembered as -1: their headers and
// source lines are ignored.
int32_t stored_index(std::string_view number, int32_t slots) {
    const int32_t n = read_int(number);
    return n >= 0 && n < slots ? n : -1;
}

void read_section_header(EffectDefinition& def, std::string_view line, ParseState& state) {
    state.section = to_lower(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string_view());
    const std::string& name = state.section;
    EffectSettings& s = def.settings;
    warn(state, section_problem(name));
    if (starts_with(name, "par")) {
        read_parameter_header(def, line, state);
    } else if (starts_with(name, "ps")) {
        state.section_number = stored_index(std::string_view(name).substr(2), kPassSlots);
        if (state.section_number < 0) return;
        s.pass_count = std::max(s.pass_count, std::min(state.section_number + 1, kMaxPasses));
        state.pass_text[state.section_number].clear();
    } else if (starts_with(name, "script")) {
        state.section_number = stored_index(std::string_view(name).substr(6), kScriptSlots);
        if (state.section_number < 0) return;
        s.script_count = std::max(s.script_count, std::min(state.section_number + 1, kScriptSlots));
        state.script_text[state.section_number].clear();
    } else if (starts_with(name, "vs")) {
        state.vertex_text.clear();
    } else if (starts_with(name, "preset")) {
        // The character after "preset" separates; the rest is "<popup>_<choice>".
        if (name.size() < 7) throw std::out_of_range("preset section: expected [preset <popup>_<choice>]");
        const std::string_view selection = std::string_view(name).substr(7);
        const std::size_t bar = selection.find('_');
        if (bar != std::string_view::npos) {
            state.preset_popup = def.find_param(selection.substr(0, bar));
            state.preset_choice = read_int(selection.substr(bar + 1));
            if (state.preset_popup < 0)
                warn(state, "no parameter named \"" + std::string(selection.substr(0, bar)) +
                                "\" (lowercase) for the preset popup; the preset lines are ignored");
        } else {
            warn(state, "expected [preset <popup>_<choice>]; the preset lines go to the previous selection");
        }
    }
}

void read_preset_line(const EffectDefinition& def, std::string_view line, ParseState& state) {
    const std::size_t eq = line.find('=');
    if (state.preset_popup < 0 || state.preset_choice < 0 || eq == std::string_view::npos || eq == 0) return;
    const int32_t target = def.find_param(line.substr(0, eq));
    if (target < 0) {
        warn(state, "no parameter named \"" + std::string(line.substr(0, eq)) + "\" for this preset value");
        return;
    }
    // Past the bound the assignments are only counted; completion reports them.
    if (state.preset_records.size() >= kMaxPresetRecords) {
        ++state.preset_records_dropped;
        return;
    }
    const std::string_view value = line.substr(eq + 1);
    PresetRecord record{state.preset_popup, state.preset_choice, target, 0.0f, 0.0f, 0.0f};
    const std::size_t bar = value.find('|');
    if (bar == std::string_view::npos) {
        record.x = record.y = record.z = read_float(value);
    } else {
        record.x = read_float(value.substr(0, bar));
        record.y = record.z = read_float(value.substr(bar + 1));
        const std::size_t second = value.find('|', bar + 1);
        if (second != std::string_view::npos) record.z = read_float(value.substr(second + 1));
    }
    state.preset_records.push_back(record);
}

// Source lines of vertex, pass, script and preset sections; false for other sections.
bool read_source_line(const EffectDefinition& def, std::string_view line, ParseState& state) {
    const std::string& name = state.section;
    std::string* target = nullptr;
    if (name == "vs") {
        target = &state.vertex_text;
    } else if (starts_with(name, "ps")) {
        if (state.section_number >= 0) target = &state.pass_text[state.section_number];
    } else if (starts_with(name, "script")) {
        if (state.section_number >= 0) target = &state.script_text[state.section_number];
    } else if (starts_with(name, "preset")) {
        read_preset_line(def, line, state);
        return true;
    } else {
        return false;
    }
    if (target) {
        target->append(line);
        target->push_back('\n');
    }
    return true;
}

void read_key_line(EffectDefinition& def, std::string_view line, const ParseState& state) {
    const std::size_t eq = line.find('=');
    if (state.section == "replace") return;
    if (eq == std::string_view::npos || eq == 0) {
        warn(state, "expected key=value; the line is ignored");
        return;
    }
    const std::string key = to_lower(line.substr(0, eq));
    const std::string_view value = trim(line.substr(eq + 1), kBlanks);
    if (state.section == "routing") {
        warn(state, routing_problem(key, value));
        apply_routing_key(def.settings, key, value);
    } else if (state.section == "settings") {
        warn(state, settings_problem(key, value));
        apply_settings_key(def.settings, key, value);
    } else if (state.slot >= 0) {
        declare_checked(def, state, key, value);
    } else {
        warn(state, "key line before any parameter section; it is ignored");
    }
}

void read_line(EffectDefinition& def, std::string_view line, ParseState& state) {
    // Variant prefixes: "$" and "%" lines belong to other variants of the effect; "-$" and
    // "-%" lines to this one.
    if (line[0] == '$' || line[0] == '%') return;
    if (starts_with(line, "-$") || starts_with(line, "-%")) line.remove_prefix(2);
    if (line.empty()) return;
    // Pass sections keep comment lines: they are shader source.
    if ((line[0] == ';' || line[0] == '/') && !starts_with(state.section, "ps")) return;
    if (line[0] == '[') {
        read_section_header(def, line, state);
    } else if (!read_source_line(def, line, state)) {
        read_key_line(def, line, state);
    }
}

// With a diagnostics sink the report goes there, so that a caller that writes its own
// output on standard output keeps it clean; otherwise to standard output.
void report_line_exception(std::string_view line, const ParseState& state) {
    std::string message = "exception on line ";
    message.append(line);
    if (state.diagnostics) {
        state.diagnostics->error(message + "; the lines after it are not read");
        return;
    }
    message.push_back('\n');
    std::fwrite(message.data(), 1, message.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

void read_definition_lines(EffectDefinition& def, const std::string& text, ParseState& state) {
    std::size_t start = 0;
    for (int32_t index = 0; start < text.size(); ++index) {
        if (state.diagnostics) state.diagnostics->at_line(index);
        std::size_t stop = text.find('\n', start);
        if (stop == std::string::npos) stop = text.size();
        const std::string_view line = trim(std::string_view(text).substr(start, stop - start), kLineBlanks);
        start = stop + 1;
        if (line.empty()) continue;
        try {
            read_line(def, line, state);
        } catch (const std::exception&) {
            report_line_exception(line, state);
            return;
        }
    }
}

}  // namespace fx
