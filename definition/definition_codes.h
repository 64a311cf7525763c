#pragma once
// The numbers of the definition language that other parts of the engine give a meaning:
// per-type `flags` options and `special` codes of a slot. Registration, rendering and
// parameter handling ask these predicates instead of comparing numbers themselves.

#include <cstdint>

#include "definition/param_def.h"

namespace fx {

// A "flags" value whose magnitude is above this is stored as the slot's `special` code.
inline constexpr int32_t kMaxFlagsMagnitude = 900;
// "type=image" sets the slot's flags to this.
inline constexpr int32_t kImageFlags = 900;

// Popup options.
inline constexpr int32_t kBuiltinPresetPopupFlags = 3;  // choosing applies the preset sections' values
inline constexpr int32_t kItemDefinePopupFlags = 2;     // the chosen item's text becomes a shader define
inline constexpr int32_t kMaskPathPopupFlags = 99;      // registered as a mask-path parameter
inline constexpr int32_t kPresetFilePopupFlags = 802;   // lists the preset files
// Button options: 0 .. kMaxScriptIndex run that script; these load or save a preset file.
inline constexpr int32_t kMaxScriptIndex = 31;
inline constexpr int32_t kPresetLoadButtonFlags = 800;
inline constexpr int32_t kPresetSaveButtonFlags = 801;
// Text parameters edit text kMaxTextIndex or below (by the magnitude of their flags).
inline constexpr int32_t kMaxTextIndex = 31;
// Point options.
// kPixelPointFlags: the converter already gives the point as fractions of the layer, and
// the binding divides by the target's size once more. Definitions undo the second division
// with `Center * resolution` (the built-in transition does), so both stay as they are.
inline constexpr int32_t kPixelPointFlags = 1;    // the shader receives the point divided by the frame size
inline constexpr int32_t kFixedPointFlags = 100;  // the point cannot vary over time
// Check and popup options: 1 and kFirstValueDefineFlags .. kLastValueDefineFlags make the
// value a shader define.
inline constexpr int32_t kValueDefineFlags = 1;
inline constexpr int32_t kFirstValueDefineFlags = 4;
inline constexpr int32_t kLastValueDefineFlags = 799;
// A preset-file popup with this special code leaves visibility out when it applies a file.
inline constexpr int32_t kKeepVisibilitySpecial = 666;

// Whether a "flags" value is a special code rather than a per-type option.
constexpr bool is_special_code(int32_t flags_value) {
    return flags_value > kMaxFlagsMagnitude || flags_value < -kMaxFlagsMagnitude;
}

inline bool is_builtin_preset_popup(const ParamDef& p) {
    return p.type == kParamPopup && p.flags == kBuiltinPresetPopupFlags;
}
inline bool is_item_define_popup(const ParamDef& p) {
    return p.type == kParamPopup && p.flags == kItemDefinePopupFlags;
}
inline bool is_mask_path_popup(const ParamDef& p) { return p.type == kParamPopup && p.flags == kMaskPathPopupFlags; }
inline bool is_preset_file_popup(const ParamDef& p) {
    return p.type == kParamPopup && p.flags == kPresetFilePopupFlags;
}

inline bool is_script_button(const ParamDef& p) {
    return p.type == kParamButton && p.flags >= 0 && p.flags <= kMaxScriptIndex;
}
inline bool is_preset_load_button(const ParamDef& p) {
    return p.type == kParamButton && p.flags == kPresetLoadButtonFlags;
}
inline bool is_preset_save_button(const ParamDef& p) {
    return p.type == kParamButton && p.flags == kPresetSaveButtonFlags;
}

// A text parameter whose flags name a text it edits; text_index gives that text.
inline bool edits_text(const ParamDef& p) {
    return p.type == kParamText && p.flags >= -kMaxTextIndex && p.flags <= kMaxTextIndex;
}
inline int32_t text_index(const ParamDef& p) { return p.flags < 0 ? -p.flags : p.flags; }

inline bool is_pixel_point(const ParamDef& p) { return p.type == kParamPoint && p.flags == kPixelPointFlags; }
inline bool is_fixed_point(const ParamDef& p) { return p.type == kParamPoint && p.flags == kFixedPointFlags; }

// A check box or popup whose value (the 0-based choice) becomes a shader define.
inline bool is_value_define(const ParamDef& p) {
    const bool option =
        p.flags == kValueDefineFlags || (p.flags >= kFirstValueDefineFlags && p.flags <= kLastValueDefineFlags);
    return option && (p.type == kParamCheck || p.type == kParamPopup);
}

inline bool keeps_preset_visibility(const ParamDef& p) { return p.special == kKeepVisibilitySpecial; }

}  // namespace fx
