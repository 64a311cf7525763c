#include "definition/known_words.h"

#include <array>
#include <cctype>
#include <cstdlib>

#include "definition/effect_settings.h"
#include "definition/number_text.h"
#include "definition/param_def.h"

namespace fx {
namespace {

enum class Value { text, integer, number, numbers, type_word, version };

bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Whether atoi / atof find a number at the start (after white space) rather than reading 0.
bool reads_as_number(std::string_view text, bool integer) {
    const std::string terminated(text);
    char* end = nullptr;
    if (integer)
        std::strtoll(terminated.c_str(), &end, 10);
    else
        std::strtod(terminated.c_str(), &end);
    return end != terminated.c_str();
}

std::optional<std::string> number_problem(std::string_view key, std::string_view value, bool integer) {
    if (value.empty() || reads_as_number(value, integer)) return std::nullopt;
    return "value " + quoted(value) + " of " + quoted(key) + " is not " + (integer ? "an integer" : "a number") +
           "; it reads as 0";
}

// Each "|"- or "."-separated part must be a number.
std::optional<std::string> parts_problem(std::string_view key, std::string_view value, char separator, bool integer) {
    std::size_t start = 0;
    while (true) {
        const std::size_t stop = value.find(separator, start);
        std::string_view part =
            value.substr(start, stop == std::string_view::npos ? std::string_view::npos : stop - start);
        if (part == "true" || part == "false") part = "1";
        if (part.empty() || !reads_as_number(part, integer))
            return "value " + quoted(value) + " of " + quoted(key) + " has a part that is not a number; it reads as 0";
        if (stop == std::string_view::npos) return std::nullopt;
        start = stop + 1;
    }
}

bool is_type_word(std::string_view word) {
    static constexpr std::array<std::string_view, 19> words = {
        "float", "int",  "none",   "check", "bool",  "popup",  "select", "layer",       "color",    "angle",
        "vec2",  "vec3", "custom", "image", "point", "button", "text",   "topic_start", "topic_end"};
    for (std::string_view known : words)
        if (word == known) return true;
    return false;
}

std::optional<std::string> value_problem(std::string_view key, std::string_view value, Value kind) {
    if (value.empty()) return std::nullopt;
    switch (kind) {
        case Value::text:
            return std::nullopt;
        case Value::integer:
            return number_problem(key, value, true);
        case Value::number:
            return number_problem(key, value, false);
        case Value::numbers:
            return parts_problem(key, value, '|', false);
        case Value::version:
            return parts_problem(key, value, '.', true);
        case Value::type_word:
            if (is_type_word(value)) return std::nullopt;
            return "unknown type " + quoted(value) + "; the slot keeps its type";
    }
    return std::nullopt;
}

struct KeyKind {
    std::string_view key;
    Value kind;
};

std::optional<Value> find_kind(std::string_view key, const KeyKind* begin, const KeyKind* end) {
    for (const KeyKind* k = begin; k != end; ++k)
        if (k->key == key) return k->kind;
    return std::nullopt;
}

constexpr KeyKind kAttributes[] = {
    {"name", Value::text},         {"display", Value::text},       {"name0", Value::text},
    {"param", Value::text},        {"text", Value::text},          {"popup", Value::text},
    {"type", Value::type_word},    {"time", Value::number},        {"id", Value::integer},
    {"default", Value::numbers},   {"visibility", Value::integer}, {"groupswitch", Value::integer},
    {"min", Value::number},        {"max", Value::number},         {"displaymin", Value::number},
    {"displaymax", Value::number}, {"flags", Value::integer},      {"special", Value::integer},
};

constexpr KeyKind kSettings[] = {
    {"name", Value::text},         {"description", Value::text},   {"presetpath", Value::text},
    {"imgpath", Value::text},      {"imgwidth", Value::integer},   {"imgheight", Value::integer},
    {"imgscale", Value::integer},  {"dialogbutton", Value::text},  {"presetextension", Value::text},
    {"id_offset", Value::integer}, {"id_add", Value::integer},     {"range", Value::integer},
    {"refresh", Value::integer},   {"transition", Value::integer}, {"version", Value::version},
    {"usegpu", Value::integer},    {"presetmode", Value::integer}, {"smooth", Value::integer},
    {"repeat", Value::integer},    {"informat", Value::integer},   {"outformat", Value::integer},
    {"bundlename", Value::text},   {"basedir", Value::text},       {"noinput", Value::integer},
    {"fullframe", Value::integer},
};

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

std::optional<std::string> section_problem(std::string_view name) {
    // "[sho..." opens the macro area and "[repl..." the replacement block.
    static constexpr std::array<std::string_view, 7> prefixes = {"par", "ps", "script", "vs", "preset", "sho", "repl"};
    for (std::string_view prefix : prefixes)
        if (starts_with(name, prefix)) return std::nullopt;
    if (name == "settings" || name == "routing") return std::nullopt;
    return "unknown section " + quoted("[" + std::string(name) + "]") + "; its key lines go to the last parameter slot";
}

std::optional<std::string> attribute_problem(std::string_view key, std::string_view value) {
    if (const auto kind = find_kind(key, std::begin(kAttributes), std::end(kAttributes)))
        return value_problem(key, value, *kind);
    if (key.size() == 5 && starts_with(key, "name") && key[4] >= '1' && key[4] <= '9') return std::nullopt;
    if (starts_with(key, "group")) {
        const std::string_view number = key.substr(5);
        if (!all_digits(number) || read_int(number) >= kGroupCount)
            return "group key " + quoted(key) + " names no group 0 to 15";
        return value_problem(key, value, Value::integer);
    }
    return "unknown key " + quoted(key);
}

std::optional<std::string> settings_problem(std::string_view key, std::string_view value) {
    if (const auto kind = find_kind(key, std::begin(kSettings), std::end(kSettings)))
        return value_problem(key, value, *kind);
    return "unknown key " + quoted(key) + " in [settings]";
}

std::optional<std::string> routing_problem(std::string_view key, std::string_view value) {
    const std::size_t bar = key.find('_');
    const std::string expected = "; expected psN_inM, psN_out, psN_dow, psN_smo or psN_loo";
    if (!starts_with(key, "ps") || bar == std::string_view::npos || bar < 3 || key.size() < bar + 3)
        return "unknown routing key " + quoted(key) + expected;
    if (!all_digits(key.substr(2, bar - 2)) || read_int(key.substr(2, bar - 2)) >= kPassSlots)
        return "routing key " + quoted(key) + " names no pass 0 to 31";
    const std::string_view word = key.substr(bar + 1, 3);
    if (word == "dow") return value_problem(key, value, Value::number);
    if (word == "out" || word == "smo" || word == "loo") return value_problem(key, value, Value::integer);
    const std::string_view unit = key.substr(bar + 3);
    if (key.substr(bar + 1, 2) != "in" || !all_digits(unit)) return "unknown routing key " + quoted(key) + expected;
    if (read_int(unit) >= kPassSlots) return "routing key " + quoted(key) + " names no input unit 0 to 31";
    return value_problem(key, value, Value::integer);
}

}  // namespace fx
