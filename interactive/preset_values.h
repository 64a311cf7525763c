#pragma once
// The value lines of a preset: one slot's host value written as id|a|b|c, and such a
// line applied back to the slot with the same id.
//
// Points are stored as fractions of the layer size whatever their flags, because that is
// how every point is read back: a point saved and loaded stays where it was, and a preset
// moves with the layer when the layer's size changes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interactive/panel_command.h"

namespace fx {

// Whether slot j has a value line: not for layers, group starts and ends, custom
// controls, buttons and images, names beginning with "_", nor for a transition's own
// "Transition" slot.
bool stores_value(const EffectDefinition& definition, int j);

// The value line of slot j without its line end.
std::string value_line(const PanelCommand& command, int j);

// Applies a value line's fields (id first; missing fields count as 0) to the first slot
// with that id whose special is not 777. Values that are not finite, or that the host's
// value cannot hold, leave the slot as it is.
void apply_value_line(PanelCommand& command, const std::vector<std::string_view>& fields);

}  // namespace fx
