#pragma once
// Group switches: a checkbox, popup or slider whose value selects one group of a range;
// the members of the selected group are shown (or enabled), the other members of the
// range hidden (or disabled). Groups 1-100 disable, groups above 100 hide.
#include "interactive/panel_command.h"

namespace fx {

// The group a switch at `slot` with host record `value` selects.
//   popup: first group + choice - 1 (choices count from 1);
//   checkbox: first group + 0 or 1;
//   int and float sliders: first group + the slider's value cut to a whole number (the
//   host keeps no integer for them), so a slider counts groups like a checkbox counts 0, 1;
//   angle: first group + whole degrees;
//   any other type holds no number to select by and selects the first group.
int selected_group(const ParamDef& slot, const PF_ParamDef& value);

// Applies the switch at slot `index` to every member of its range.
void ApplyGroupSwitch(PanelCommand& command, int index);

}  // namespace fx
