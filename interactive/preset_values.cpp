#include "interactive/preset_values.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "interactive/colour_byte.h"
#include "interactive/preset_lines.h"

namespace fx {
namespace {

constexpr int kNotFromPresets = 777;
// The reader's own constant for 1/π, kept so that angles read back as they always have.
constexpr double kReciprocalPi = 0.31830987;

double layer_size(A_long size) { return size > 0 ? static_cast<double>(size) : 1.0; }

struct Triple {
    double a, b, c;
};

Triple host_value(const PanelCommand& command, int j, const PF_ParamDef& p) {
    const ParamDef& slot = command.slot(j);
    const double dy = slot.default_value[1];
    const double dz = slot.default_value[2];
    switch (slot.type) {
        case kParamInt:
        case kParamFloat:
            return {static_cast<float>(p.u.fs_d.value), dy, dz};
        case kParamCheck:
            return {p.u.bd.value != 0 ? 1.0 : 0.0, dy, dz};
        case kParamPopup:
            return {static_cast<double>(p.u.pd.value) - 1.0, dy, dz};
        case kParamColor:
            return {p.u.cd.value.red / 255.0f, p.u.cd.value.green / 255.0f, p.u.cd.value.blue / 255.0f};
        case kParamAngle: {
            // The upper 16 bits of the 16.16 value are the whole degrees.
            const int degrees = static_cast<std::int16_t>(static_cast<std::uint32_t>(p.u.ad.value) >> 16);
            return {-degrees * std::numbers::pi / 180.0, dy, dz};
        }
        case kParamPoint:
        case kParamVec2:
            return {p.u.td.x_value / 65536.0 / layer_size(command.in_data->width),
                    p.u.td.y_value / 65536.0 / layer_size(command.in_data->height), dz};
        case kParamVec3:
            return {p.u.point3d_d.x_value, p.u.point3d_d.y_value, p.u.point3d_d.z_value};
        default:
            return {slot.default_value[0], dy, dz};
    }
}

std::optional<std::int32_t> whole(double x, double limit = 2147483647.0) {
    const double t = std::trunc(x);
    if (!std::isfinite(t) || std::fabs(t) > limit) return std::nullopt;
    return static_cast<std::int32_t>(t);
}

// x × size in 16.16 fixed point, halves rounded away from zero.
std::optional<PF_Fixed> layer_fixed(A_long size, double x) {
    const double value = std::round(static_cast<double>(size) * x * 65536.0);
    if (!(std::fabs(value) <= 2147483647.0)) return std::nullopt;
    return static_cast<PF_Fixed>(value);
}

void set_value(PanelCommand& command, int j, PF_ParamDef& p, float u, float v, float w) {
    const ParamDef& slot = command.slot(j);
    switch (slot.type) {
        case kParamInt:
        case kParamFloat:
            if (std::isfinite(u)) p.u.fs_d.value = u;
            break;
        case kParamCheck:
            if (const auto value = whole(u)) p.u.bd.value = *value;
            break;
        case kParamPopup:
            // Built-in preset and preset-file popups keep their choice.
            if (slot.flags >= 3) break;
            if (const auto value = whole(u)) {
                const std::int64_t choice = std::int64_t{*value} + 1;
                const std::int64_t last = std::max<std::int64_t>(p.u.pd.num_choices, 1);
                p.u.pd.value = static_cast<PF_ParamValue>(std::clamp<std::int64_t>(choice, 1, last));
            }
            break;
        case kParamColor:
            if (!std::isfinite(u) || !std::isfinite(v) || !std::isfinite(w)) break;
            p.u.cd.value.alpha = 255;
            p.u.cd.value.red = colour_byte(u);
            p.u.cd.value.green = colour_byte(v);
            p.u.cd.value.blue = colour_byte(w);
            break;
        case kParamAngle:
            // Rounded to whole degrees for the same reason as colours (359 degrees is
            // stored as -6.26573 and would come back as 358 if truncated).
            if (const auto degrees = whole(std::round(u * -180.0 * kReciprocalPi), 32767.0))
                p.u.ad.value = static_cast<PF_Fixed>(static_cast<std::uint32_t>(*degrees) << 16);
            break;
        case kParamPoint:
        case kParamVec2: {
            const auto x = layer_fixed(command.in_data->width, u);
            const auto y = layer_fixed(command.in_data->height, v);
            if (!x || !y) break;
            p.u.td.x_value = *x;
            p.u.td.y_value = *y;
            break;
        }
        case kParamVec3:
            if (!std::isfinite(u) || !std::isfinite(v) || !std::isfinite(w)) break;
            p.u.point3d_d.x_value = u;
            p.u.point3d_d.y_value = v;
            p.u.point3d_d.z_value = w;
            break;
        default:
            return;
    }
    p.uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
}

float field_or_zero(const std::vector<std::string_view>& fields, std::size_t i) {
    if (i >= fields.size()) return 0.0f;
    return static_cast<float>(read_number(fields[i]).value_or(0.0));
}

}  // namespace

bool stores_value(const EffectDefinition& definition, int j) {
    const ParamDef& slot = definition.params[j];
    switch (slot.type) {
        case kParamLayer:
        case kParamTopicStart:
        case kParamTopicEnd:
        case kParamCustom:
        case kParamButton:
        case kParamImage:
            return false;
        default:
            break;
    }
    const std::string_view name = slot.param.view();
    if (!name.empty() && name.front() == '_') return false;
    return !(definition.settings.transition && name == "Transition");
}

std::string value_line(const PanelCommand& command, int j) {
    const ParamDef& slot = command.slot(j);
    Triple t{slot.default_value[0], slot.default_value[1], slot.default_value[2]};
    if (const PF_ParamDef* p = command.param(j)) t = host_value(command, j, *p);
    return std::to_string(slot.id) + "|" + write_number(t.a) + "|" + write_number(t.b) + "|" + write_number(t.c);
}

void apply_value_line(PanelCommand& command, const std::vector<std::string_view>& fields) {
    if (fields.empty()) return;
    const auto id = whole(read_number(fields[0]).value_or(0.0));
    if (!id) return;
    for (int j = 0; j < command.param_count; ++j) {
        const ParamDef& slot = command.slot(j);
        if (slot.id != *id || slot.special == kNotFromPresets) continue;
        if (PF_ParamDef* p = command.param(j))
            set_value(command, j, *p, field_or_zero(fields, 1), field_or_zero(fields, 2), field_or_zero(fields, 3));
        return;
    }
}

}  // namespace fx
