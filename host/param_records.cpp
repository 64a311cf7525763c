#include "host/param_records.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "definition/param_def.h"

namespace fx {
namespace {

// Percent and degree values are capped above only: the host has no use for more.
constexpr std::int32_t point_cap = 10000;

std::int32_t capped(std::int32_t value) { return std::min(value, point_cap); }

// trunc toward zero, as a C cast does; out-of-range floats saturate instead of being
// undefined.
std::int32_t whole(double value) {
    if (!(value > -2147483648.0)) return value != value ? 0 : INT32_MIN;
    if (value >= 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

A_u_char low_byte(std::int32_t value) { return static_cast<A_u_char>(static_cast<std::uint32_t>(value) & 0xFFu); }

}  // namespace

void fill_float_slider(PF_ParamDef& def, const ParamDef& slot, A_short precision, PF_ParamFlags flags) {
    def.param_type = PF_Param_FLOAT_SLIDER;
    def.flags = flags;
    PF_FloatSliderDef& fs = def.u.fs_d;
    fs.value = slot.default_value[0];
    fs.dephault = slot.default_value[0];
    fs.valid_min = slot.min;
    fs.valid_max = slot.max;
    fs.slider_min = slot.displaymin;
    fs.slider_max = slot.displaymax;
    fs.precision = precision;
    fs.display_flags = slot.flags > 0 ? PF_ValueDisplayFlag_PERCENT : 0;
    fs.curve_tolerance = 0.05f;
}

void fill_checkbox(PF_ParamDef& def, const ParamDef& slot, PF_ParamFlags flags) {
    def.param_type = PF_Param_CHECKBOX;
    def.flags = flags;
    // The low byte of the truncated default, as a signed byte.
    const auto value = static_cast<std::int8_t>(low_byte(whole(slot.default_value[0])));
    def.u.bd.value = value;
    def.u.bd.dephault = static_cast<PF_Boolean>(value);
    def.u.bd.u.nameptr = slot.text.c_str();
}

void fill_popup_or_path(PF_ParamDef& def, const ParamDef& slot, const char* items) {
    if (slot.flags == path_popup_flags) {
        def.param_type = PF_Param_PATH;
        def.flags = PF_ParamFlag_SUPERVISE;
        def.u.path_d.dephault = 0;
        return;
    }
    def.param_type = PF_Param_POPUP;
    def.flags = PF_ParamFlag_SUPERVISE | PF_ParamFlag_CANNOT_INTERP;
    const std::int32_t last = whole(slot.max);
    def.u.pd.num_choices = static_cast<A_short>(last + 1);
    const std::int32_t choice = whole(std::min(slot.max, slot.default_value[0])) + 1;
    def.u.pd.dephault = static_cast<A_short>(choice);
    def.u.pd.value = def.u.pd.dephault;
    def.u.pd.u.namesptr = items;
}

void fill_layer(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_LAYER;
    def.flags = PF_ParamFlag_SUPERVISE | PF_ParamFlag_CANNOT_INTERP;
    def.u.ld.dephault = slot.flags > 0 ? PF_LayerDefault_NONE : PF_LayerDefault_MYSELF;
}

void fill_color(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_COLOR;
    def.flags = 0;
    PF_Pixel color{};
    color.alpha = 255;
    color.red = low_byte(whole(slot.default_value[0] * 255.0f));
    color.green = low_byte(whole(slot.default_value[1] * 255.0f));
    color.blue = low_byte(whole(slot.default_value[2] * 255.0f));
    def.u.cd.value = color;
    def.u.cd.dephault = color;
}

void fill_angle(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_ANGLE;
    def.flags = 0;
    // Whole degrees in 16.16 fixed point; the multiplication wraps as the host's word does.
    const auto fixed = static_cast<PF_Fixed>(static_cast<std::uint32_t>(whole(slot.default_value[0])) << 16);
    def.u.ad.value = fixed;
    def.u.ad.dephault = fixed;
}

void fill_point(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_POINT;
    def.flags = slot.flags == fixed_point_flags ? PF_ParamFlag_CANNOT_TIME_VARY : 0;
    const std::int32_t x = capped(whole(slot.default_value[0] * 100.0f));
    const std::int32_t y = capped(whole(slot.default_value[1] * 100.0f));
    const auto fixed = [](std::int32_t percent) {
        return static_cast<PF_Fixed>(static_cast<std::uint32_t>(percent) << 16);
    };
    def.u.td.x_value = def.u.td.x_dephault = fixed(x);
    def.u.td.y_value = def.u.td.y_dephault = fixed(y);
    def.u.td.restrict_bounds = 0;
}

void fill_point_3d(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_POINT_3D;
    def.flags = 0;
    PF_Point3DDef& p = def.u.point3d_d;
    p.x_value = p.x_dephault = capped(whole(slot.default_value[0]));
    p.y_value = p.y_dephault = capped(whole(slot.default_value[1]));
    p.z_value = p.z_dephault = capped(whole(slot.default_value[2]));
}

void fill_group_start(PF_ParamDef& def, const ParamDef& slot) {
    def.param_type = PF_Param_GROUP_START;
    def.flags = PF_ParamFlag_CANNOT_TIME_VARY | (slot.flags > 0 ? 0 : PF_ParamFlag_START_COLLAPSED);
}

void fill_group_end(PF_ParamDef& def) {
    def.param_type = PF_Param_GROUP_END;
    def.flags = PF_ParamFlag_CANNOT_TIME_VARY;
}

void fill_button(PF_ParamDef& def, const ParamDef& slot, PF_ParamFlags flags) {
    def = PF_ParamDef{};
    def.param_type = PF_Param_BUTTON;
    def.flags = flags;
    def.u.button_d.u.namesptr = slot.text.empty() ? "Set" : slot.text.c_str();
}

void fill_custom_control(PF_ParamDef& def, const ParamDef& slot, A_short width, A_short height) {
    def = PF_ParamDef{};
    def.param_type = PF_Param_ARBITRARY_DATA;
    def.flags = 0;
    def.ui_flags = PF_PUI_CONTROL | PF_PUI_DONT_ERASE_CONTROL;
    def.ui_width = width;
    def.ui_height = height;
    const auto id = static_cast<A_short>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(slot.id) & 0xFFFFu));
    def.u.arb_d.id = id;
    def.uu.id = id;
}

}  // namespace fx
