#include "definition/declare_attribute.h"

#include <algorithm>
#include <limits>
#include <string>

#include "definition/definition_codes.h"
#include "definition/number_text.h"
#include "definition/text_edit.h"

namespace fx {
namespace {

int32_t clamp_to_int32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Counts a texture input; slot 0 is the effect's own input and is already counted.
void count_input(EffectSettings& settings, int32_t slot) {
    if (slot != 0 && settings.layer_count < kMaxInputs) ++settings.layer_count;
}

void apply_type(EffectDefinition& def, int32_t slot, std::string_view word) {
    ParamDef& p = def.params[slot];
    EffectSettings& s = def.settings;
    p.components = 1;
    if (word == "float") {
        p.type = kParamFloat;
    } else if (word == "int") {
        p.type = kParamInt;
    } else if (word == "none") {
        p.type = kParamNone;
    } else if (word == "check" || word == "bool") {
        p.type = kParamCheck;
    } else if (word == "popup" || word == "select") {
        p.type = kParamPopup;
    } else if (word == "layer") {
        p.type = kParamLayer;
        p.components = 0;
        count_input(s, slot);
    } else if (word == "color") {
        p.type = kParamColor;
        p.components = 3;
    } else if (word == "angle") {
        p.type = kParamAngle;
    } else if (word == "vec2") {
        p.type = kParamVec2;
        p.components = 2;
    } else if (word == "vec3") {
        p.type = kParamVec3;
        p.components = 3;
    } else if (word == "custom") {
        p.type = kParamCustom;
    } else if (word == "image") {
        p.type = kParamImage;
        p.components = 0;
        p.flags = kImageFlags;
        if (p.text.empty()) p.text = "Load Image...";
        count_input(s, slot);
        if (s.image_count < kMaxImages) ++s.image_count;
    } else if (word == "point") {
        p.type = kParamPoint;
        p.components = 2;
    } else if (word == "button") {
        p.type = kParamButton;
    } else if (word == "text") {
        p.type = kParamText;
        s.no_texts = false;
        if (s.text_count < kMaxTexts) ++s.text_count;
    } else if (word == "topic_start") {
        p.type = kParamTopicStart;
    } else if (word == "topic_end") {
        p.type = kParamTopicEnd;
    }
}

void apply_default(EffectDefinition& def, int32_t slot, std::string_view value) {
    ParamDef& p = def.params[slot];
    std::string numbers(value);
    // Only shrinks the text ("true" -> "1.0", "false" -> "0.0"), so no size limit is needed.
    replace_all(numbers, "true", "1.0");
    replace_all(numbers, "false", "0.0");
    const std::size_t bar = numbers.find('|');
    if (bar == std::string::npos) {
        const float v = read_float(numbers);
        p.default_value[0] = p.default_value[1] = p.default_value[2] = v;
    } else {
        p.default_value[0] = read_float(std::string_view(numbers).substr(0, bar));
        p.default_value[1] = p.default_value[2] = read_float(std::string_view(numbers).substr(bar + 1));
        const std::size_t second = numbers.find('|', bar + 1);
        if (second != std::string::npos) p.default_value[2] = read_float(std::string_view(numbers).substr(second + 1));
    }
    // A text parameter's default lists its entries.
    if (p.type == kParamText) def.set_items(slot, numbers);
}

// "name1" .. "name9" -> 1 .. 9; anything else -> 0.
int alternative_name_index(std::string_view key) {
    if (key.size() == 5 && key.substr(0, 4) == "name" && key[4] >= '1' && key[4] <= '9') return key[4] - '0';
    return 0;
}

}  // namespace

void declare_attribute(EffectDefinition& def, int32_t slot, std::string_view key, std::string_view value) {
    if (slot < 0 || slot >= kSlotCount) return;
    EffectSettings& s = def.settings;
    ParamDef& p = def.params[slot];
    s.param_count = std::max(s.param_count, slot + 1);

    if (key == "name" || key == "display" || key == "name0") {
        p.display = value;
        if (slot != 0 && p.param.empty() && value != "par") p.param = value;
    } else if (const int index = alternative_name_index(key); index > 0) {
        *p.display_name(index) = value;
    } else if (key == "param") {
        p.param = value;
        if (p.display.empty() || p.display == "par") p.display = value;
    } else if (key == "text" || key == "popup") {
        p.text = value;
        if (p.type == kParamPopup) def.set_items(slot, value);
    } else if (key == "type") {
        apply_type(def, slot, value);
    } else if (key == "time") {
        p.default_value[0] = read_float(value);
    } else if (key == "id") {
        p.id = clamp_to_int32(int64_t{read_int(value)} + s.id_add);
    } else if (key == "default") {
        apply_default(def, slot, value);
    } else if (key == "visibility") {
        p.visibility = read_int(value);
    } else if (key == "groupswitch") {
        p.group[0] = clamp_to_int32(-int64_t{read_int(value)});
    } else if (key.substr(0, 5) == "group") {
        // Group numbers outside 0..15 have no storage and are ignored.
        const int32_t g = read_int(key.substr(5));
        if (g >= 0 && g < kGroupCount) p.group[g] = read_int(value);
    } else if (key == "min") {
        p.min = read_float(value);
    } else if (key == "max") {
        p.max = read_float(value);
    } else if (key == "displaymin") {
        p.displaymin = read_float(value);
    } else if (key == "displaymax") {
        p.displaymax = read_float(value);
    } else if (key == "flags") {
        const int32_t v = read_int(value);
        if (is_special_code(v)) {
            p.special = v;
        } else {
            p.flags = v;
        }
        if (p.type == kParamPopup && p.flags > 0) p.components = 0;
    } else if (key == "special") {
        p.special = read_int(value);
    }
}

}  // namespace fx
