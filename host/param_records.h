#pragma once
// The host parameter record of each slot type. Each builder fills a record that the
// caller has zeroed and given its ui_flags; the caller adds the name and the id.

#include "AE_Effect.h"

namespace fx {

class ParamDef;

void fill_float_slider(PF_ParamDef& def, const ParamDef& slot, A_short precision, PF_ParamFlags flags);
void fill_checkbox(PF_ParamDef& def, const ParamDef& slot, PF_ParamFlags flags);
void fill_popup_or_path(PF_ParamDef& def, const ParamDef& slot, const char* items);
void fill_layer(PF_ParamDef& def, const ParamDef& slot);
void fill_color(PF_ParamDef& def, const ParamDef& slot);
void fill_angle(PF_ParamDef& def, const ParamDef& slot);
void fill_point(PF_ParamDef& def, const ParamDef& slot);
void fill_point_3d(PF_ParamDef& def, const ParamDef& slot);
void fill_group_start(PF_ParamDef& def, const ParamDef& slot);
void fill_group_end(PF_ParamDef& def);
// Clears the record first (a button shows no disabled or hidden state of its own).
void fill_button(PF_ParamDef& def, const ParamDef& slot, PF_ParamFlags flags);
// A custom control area of the given size, identified by the low 16 bits of the slot's id.
void fill_custom_control(PF_ParamDef& def, const ParamDef& slot, A_short width, A_short height);

// A popup whose flags are this value is a mask path.
inline constexpr int path_popup_flags = 99;
// A point whose flags are this value cannot vary over time.
inline constexpr int fixed_point_flags = 100;

}  // namespace fx
