#include "interactive/definition_preset.h"

#include <cmath>
#include <cstdint>

#include "interactive/colour_byte.h"

namespace fx {
namespace {

std::int32_t whole(float x) {
    if (!std::isfinite(x) || std::fabs(x) >= 2147483647.0f) return 0;
    return static_cast<std::int32_t>(std::trunc(x));
}

// x × size in 16.16 fixed point, halves rounded away from zero, kept inside 32 bits.
PF_Fixed layer_fixed(double size, float x) {
    const double value = std::round(size * static_cast<double>(x) * 65536.0);
    if (!(std::fabs(value) < 2147483647.0)) return 0;
    return static_cast<PF_Fixed>(value);
}

void apply_record(PanelCommand& command, const PresetRecord& record) {
    const int t = record.target_slot;
    PF_ParamDef* p = command.param(t);
    if (t < 1 || p == nullptr) return;
    p->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    switch (command.slot(t).type) {
        case kParamInt:
        case kParamFloat:
            p->u.fs_d.value = record.x;
            break;
        case kParamCheck:
            p->u.bd.value = whole(record.x);
            break;
        case kParamPopup:
            p->u.pd.value = whole(record.x) + 1;
            break;
        case kParamColor:
            p->u.cd.value.alpha = 255;
            p->u.cd.value.red = colour_byte(record.x);
            p->u.cd.value.green = colour_byte(record.y);
            p->u.cd.value.blue = colour_byte(record.z);
            break;
        case kParamAngle:
            p->u.ad.value = static_cast<PF_Fixed>(static_cast<std::uint32_t>(whole(record.x)) << 16);
            break;
        case kParamPoint:
        case kParamVec2:
            if (command.output != nullptr) {
                p->u.td.x_value = layer_fixed(command.output->width, record.x);
                p->u.td.y_value = layer_fixed(command.output->height, record.y);
            }
            break;
        case kParamVec3:
            p->u.point3d_d.x_value = record.x;
            p->u.point3d_d.y_value = record.y;
            p->u.point3d_d.z_value = record.z;
            break;
        default:
            break;
    }
}

}  // namespace

void ApplyDefinitionPreset(PanelCommand& command, int index) {
    const PF_ParamDef* popup = command.param(index);
    if (popup == nullptr) return;
    const EffectSettings& settings = command.definition.settings;
    for (int i = 0; i < settings.preset_record_count && settings.preset_records; ++i) {
        const PresetRecord& record = settings.preset_records[i];
        if (record.popup_slot == index && std::int64_t{record.choice} + 1 == popup->u.pd.value)
            apply_record(command, record);
    }
}

}  // namespace fx
