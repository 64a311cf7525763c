#include "simhost/fxhost/param_setting.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace fx::fxhost {
namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A whole, finite number or nothing: "1.5x", "", "nan" and "inf" are not numbers here.
bool read_number(std::string_view text, double& out) {
    const std::string piece(trimmed(text));
    if (piece.empty()) return false;
    char* end = nullptr;
    const double value = std::strtod(piece.c_str(), &end);
    if (end != piece.c_str() + piece.size() || !std::isfinite(value)) return false;
    out = value;
    return true;
}

std::vector<std::string_view> split_commas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

[[noreturn]] void refuse(std::string_view name, std::string_view value, const std::string& expected) {
    throw ParamSettingError("--set " + std::string(name) + "=" + std::string(value) + ": expected " + expected);
}

std::string number_text(double v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

std::array<double, 4> numbers(std::string_view name, std::string_view value, std::size_t count,
                              const std::string& expected) {
    const auto parts = split_commas(value);
    std::array<double, 4> out{};
    if (parts.size() != count) refuse(name, value, expected);
    for (std::size_t i = 0; i < count; ++i)
        if (!read_number(parts[i], out[i])) refuse(name, value, expected);
    return out;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::array<double, 4> colour(std::string_view name, std::string_view value) {
    const std::string expected = "a colour as r,g,b with each from 0 to 1, or #rrggbb";
    const std::string_view text = trimmed(value);
    std::array<double, 4> out{0, 0, 0, 1};
    if (!text.empty() && text.front() == '#') {
        if (text.size() != 7) refuse(name, value, expected);
        for (int c = 0; c < 3; ++c) {
            const int high = hex_digit(text[1 + 2 * c]);
            const int low = hex_digit(text[2 + 2 * c]);
            if (high < 0 || low < 0) refuse(name, value, expected);
            out[c] = (high * 16 + low) / 255.0;
        }
        return out;
    }
    const auto rgb = numbers(name, value, 3, expected);
    for (int c = 0; c < 3; ++c) {
        if (rgb[c] < 0 || rgb[c] > 1) refuse(name, value, expected);
        out[c] = rgb[c];
    }
    return out;
}

std::array<double, 4> popup(const ParamDef& def, std::string_view name, std::string_view value) {
    std::string choices;
    for (std::size_t i = 0; i < def.items.size(); ++i) choices += (i ? ", " : "") + def.items[i];
    const std::string expected =
        "one of " + choices + " (or its number, 1 to " + std::to_string(def.items.size()) + ")";
    const std::string wanted = lowered(trimmed(value));
    for (std::size_t i = 0; i < def.items.size(); ++i)
        if (lowered(def.items[i]) == wanted) return {static_cast<double>(i + 1), 0, 0, 0};
    double number = 0;
    if (read_number(value, number) && number == std::floor(number) && number >= 1 &&
        number <= static_cast<double>(def.items.size()))
        return {number, 0, 0, 0};
    refuse(name, value, def.items.empty() ? std::string("nothing: the popup has no items") : expected);
}

std::array<double, 4> checkbox(std::string_view name, std::string_view value) {
    const std::string word = lowered(trimmed(value));
    if (word == "1" || word == "on" || word == "true" || word == "yes") return {1, 0, 0, 0};
    if (word == "0" || word == "off" || word == "false" || word == "no") return {0, 0, 0, 0};
    refuse(name, value, "0, 1, on or off");
}

std::array<double, 4> ranged_number(const ParamDef& def, std::string_view name, std::string_view value, bool whole) {
    const std::string range = " from " + number_text(def.min) + " to " + number_text(def.max);
    const std::string expected = (whole ? "a whole number" : "a number") + range;
    double number = 0;
    if (!read_number(value, number)) refuse(name, value, expected);
    if (whole && number != std::floor(number)) refuse(name, value, expected);
    // The range is the host's valid range; a slider is never set outside it.
    if (number < def.min || number > def.max) refuse(name, value, expected);
    return {number, 0, 0, 0};
}

const char* type_word(std::int32_t type) {
    switch (type) {
        case kParamLayer:
            return "a layer (give it a picture with --input)";
        case kParamImage:
            return "an image parameter";
        case kParamText:
            return "a text parameter";
        case kParamButton:
            return "a button";
        case kParamCustom:
            return "a custom control";
        case kParamTopicStart:
        case kParamTopicEnd:
            return "a group heading";
        default:
            return "not registered with the host";
    }
}

bool names_match(const ParamDef& def, std::string_view name) {
    return (!def.param.empty() && def.param == name) || (!def.display.empty() && def.display == name);
}

}  // namespace

bool is_settable(const ParamDef& def) {
    switch (def.type) {
        case kParamInt:
        case kParamFloat:
        case kParamAngle:
        case kParamVec2:
        case kParamVec3:
        case kParamColor:
        case kParamPoint:
        case kParamPopup:
        case kParamCheck:
        case kParamImage:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> settable_names(const EffectDefinition& definition) {
    std::vector<std::string> names;
    const int count = std::clamp(definition.settings.param_count, 1, kSlotCount);
    for (int slot = 1; slot < count; ++slot) {
        const ParamDef& def = definition.params[slot];
        if (!is_settable(def)) continue;
        std::string name = def.param.empty() ? def.display.str() : def.param.str();
        if (name.empty()) continue;
        if (!def.display.empty() && !(def.display == def.param)) name += " (" + def.display.str() + ")";
        names.push_back(name);
    }
    return names;
}

std::array<double, 4> parse_param_value(const ParamDef& def, std::string_view name, std::string_view value) {
    switch (def.type) {
        case kParamInt:
            return ranged_number(def, name, value, true);
        case kParamFloat:
            return ranged_number(def, name, value, false);
        case kParamAngle:
            return numbers(name, value, 1, "an angle in degrees");
        case kParamVec2:
            return numbers(name, value, 2, "two numbers as x,y");
        case kParamVec3:
            return numbers(name, value, 3, "three numbers as x,y,z");
        case kParamPoint:
            return numbers(name, value, 2, "a point as x,y in layer pixels");
        case kParamColor:
            return colour(name, value);
        case kParamPopup:
            return popup(def, name, value);
        case kParamCheck:
            return checkbox(name, value);
        default:
            throw ParamSettingError("--set " + std::string(name) + ": is " + type_word(def.type) +
                                    ", expected a number, colour, point, popup or checkbox parameter");
    }
}

ParamSetting parse_param_setting(const EffectDefinition& definition, std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw ParamSettingError("--set " + std::string(argument) + ": expected NAME=VALUE");
    const std::string_view name = argument.substr(0, equals);
    const std::string_view value = argument.substr(equals + 1);
    const int count = std::clamp(definition.settings.param_count, 1, kSlotCount);
    // The `param` name first, so that a display name equal to another slot's `param`
    // cannot hide it.
    int slot = -1;
    for (int s = 1; s < count && slot < 0; ++s)
        if (definition.params[s].param == name) slot = s;
    for (int s = 1; s < count && slot < 0; ++s)
        if (names_match(definition.params[s], name)) slot = s;
    if (slot < 0) {
        std::string known;
        for (const std::string& n : settable_names(definition)) known += (known.empty() ? "" : ", ") + n;
        throw ParamSettingError("--set " + std::string(name) + ": unknown parameter, expected one of: " +
                                (known.empty() ? std::string("(the effect has none)") : known));
    }
    ParamSetting setting;
    setting.slot = slot;
    setting.type = definition.params[slot].type;
    if (setting.type == kParamImage) {
        if (trimmed(value).empty()) refuse(name, value, "a PNG or JPEG picture's path");
        setting.picture = std::string(value);
    } else {
        setting.values = parse_param_value(definition.params[slot], name, value);
    }
    setting.text = std::string(argument);
    return setting;
}

}  // namespace fx::fxhost
