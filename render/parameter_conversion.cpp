#include "render/parameter_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "definition/effect_definition.h"
#include "host/host_application.h"

namespace fx {
namespace {

// Single-precision constants, so that angles come out as the shaders have always seen them.
constexpr float kPi = 3.1415927f;
constexpr float kOneOver180 = 0.0055555557f;

// trunc toward zero; values beyond the 32-bit range saturate instead of being undefined.
std::int32_t whole(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<std::int32_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}

std::int32_t floor_whole(double value) { return whole(std::floor(value)); }

// The whole-unit part of a 16.16 fixed-point number: its floor.
float fixed_whole(PF_Fixed value) { return static_cast<float>(value >> 16); }

float ratio(const PF_RationalScale& scale) {
    return scale.den == 0 ? 1.0f : static_cast<float>(scale.num) / static_cast<float>(scale.den);
}

void convert_point(const PF_InData& in, const ParamDef& slot, const PF_ParamDef& param, float* v) {
    const float x = fixed_whole(param.u.td.x_value);
    const float y = fixed_whole(param.u.td.y_value);
    const auto w = static_cast<float>(in.width);
    const auto h = static_cast<float>(in.height);
    const float dsx = ratio(in.downsample_x);
    const float dsy = ratio(in.downsample_y);
    switch (slot.flags) {
        case 1:
            v[0] = x / w, v[1] = y / h;
            break;
        case 2:
            v[0] = x / (w * dsx), v[1] = y / (h * dsy);
            break;
        case 3:
            v[0] = x, v[1] = h - y;
            break;
        case 4:
            v[0] = x / w, v[1] = 1.0f - y / h;
            break;
        case 5:
            v[0] = x / (w * dsx), v[1] = 1.0f - y / (h * dsy);
            break;
        default:
            v[0] = x, v[1] = y;
            break;
    }
}

float convert_angle(const ParamDef& slot, const PF_ParamDef& param) {
    const float d = fixed_whole(param.u.ad.value);
    switch (slot.flags) {
        case 1:
            return -d * kPi * kOneOver180;
        case 2:
            return -d;
        case 3:
            return d * kPi * kOneOver180;
        default:
            return d;
    }
}

// The popup's chosen item as text; "" for a choice outside its items, which then reads
// as the number 0.
const char* chosen_item(const ParamDef& slot, float value) {
    const std::int32_t index = whole(value);
    if (index < 0 || static_cast<std::size_t>(index) >= slot.items.size()) return "";
    return slot.items[static_cast<std::size_t>(index)].c_str();
}

}  // namespace

void convert_slot_value(const PF_InData& in, const EffectDefinition& definition, int slot, const PF_ParamDef& param,
                        FrameParams& frame, bool& first_float_taken) {
    const ParamDef& def = definition.params[slot];
    float* v = frame.values[slot];
    switch (def.type) {
        case kParamInt:
            v[0] = std::floor(static_cast<float>(param.u.fs_d.value));
            break;
        case kParamCheck:
            v[0] = static_cast<float>(param.u.bd.value);
            break;
        case kParamPopup:
            v[0] = static_cast<float>(param.u.pd.value - 1);
            break;
        case kParamFloat:
            v[0] = static_cast<float>(param.u.fs_d.value);
            // A transition's progress: Premiere Pro drives it by the clip's time, the
            // compositing host through the slider in percent.
            if (definition.settings.transition && !first_float_taken) {
                if (is_premiere_pro(&in)) {
                    v[0] = in.total_time == 0 ? 0.0f
                                              : static_cast<float>(in.current_time) / static_cast<float>(in.total_time);
                } else {
                    v[0] = static_cast<float>(param.u.fs_d.value) * 0.01f;
                }
            }
            first_float_taken = true;
            break;
        case kParamColor:
            v[0] = static_cast<float>(param.u.cd.value.red) / 255.0f;
            v[1] = static_cast<float>(param.u.cd.value.green) / 255.0f;
            v[2] = static_cast<float>(param.u.cd.value.blue) / 255.0f;
            break;
        case kParamAngle:
            v[0] = convert_angle(def, param);
            break;
        case kParamPoint:
        case kParamVec2:
            convert_point(in, def, param, v);
            break;
        case kParamVec3:
            v[0] = static_cast<float>(param.u.point3d_d.x_value);
            v[1] = static_cast<float>(param.u.point3d_d.y_value);
            v[2] = static_cast<float>(param.u.point3d_d.z_value);
            break;
        default:
            break;
    }
}

void apply_special_code(EffectDefinition& definition, int slot, FrameParams& frame, SpecialScope scope) {
    const ParamDef& def = definition.params[slot];
    const std::int32_t code = def.special;
    const std::int32_t magnitude = code < 0 ? -code : code;
    if (magnitude < 900) return;
    const float v = frame.values[slot][0];
    const bool popup = def.type == kParamPopup;
    // A positive code on a popup reads the chosen item's text as a number; a negative
    // code, or any other type, reads the value itself.
    const bool item_text = popup && code > 0;
    const auto integer = [&] { return item_text ? std::atoi(chosen_item(def, v)) : floor_whole(v); };
    if (scope == SpecialScope::all) frame.force_target_realloc = 1;

    if (magnitude >= 901 && magnitude <= 932) {
        const int index = magnitude - 901;
        if (popup) {
            frame.special_ints[index] = code > 0 ? std::atoi(chosen_item(def, v)) : whole(v);
        } else {
            frame.special_ints[index] = floor_whole(v);
        }
        return;
    }
    switch (magnitude) {
        case 993:
            frame.upload_count = 1 + integer();
            return;
        case 994:
            frame.time_offset_scale = item_text ? std::atoi(chosen_item(def, v)) : whole(v);
            return;
        default:
            break;
    }
    if (scope != SpecialScope::all) return;
    switch (magnitude) {
        case 992:
            frame.iterations = integer();
            break;
        case 995:
            frame.repeat = whole(v);
            break;
        case 996:
            frame.smooth = whole(v);
            break;
        case 997:
            frame.range = whole(v);
            break;
        case 998:
            frame.scale = item_text ? static_cast<float>(std::atof(chosen_item(def, v))) : v;
            break;
        case 999:
            definition.settings.usegpu = whole(v);
            break;
        default:
            break;
    }
}

void convert_parameters(const PF_InData& in_data, EffectDefinition& definition, PF_ParamDef* params, FrameParams& frame,
                        std::vector<PF_EffectWorld*>& input_worlds) {
    const int count = std::clamp(definition.settings.param_count, 0, kSlotCount);
    bool first_float_taken = false;
    for (int slot = 0; slot < count; ++slot) {
        const std::int32_t type = definition.params[slot].type;
        if (type == kParamLayer) input_worlds.push_back(&params[slot].u.ld);
        if (type == kParamImage) input_worlds.push_back(nullptr);
        convert_slot_value(in_data, definition, slot, params[slot], frame, first_float_taken);
        apply_special_code(definition, slot, frame, SpecialScope::all);
    }
}

}  // namespace fx
