#include "interactive/group_switch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "interactive/param_streams.h"
#include "interactive/param_ui_update.h"

namespace fx {
namespace {

// A double cut toward zero into the int32 range; not-a-number reads as 0.
std::int32_t whole_number(double value) {
    if (std::isnan(value)) return 0;
    const double limited = std::clamp(value, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                      static_cast<double>(std::numeric_limits<std::int32_t>::max()));
    return static_cast<std::int32_t>(limited);
}

std::int32_t switch_value(const ParamDef& slot, const PF_ParamDef& value) {
    switch (slot.type) {
        case kParamPopup:
            return value.u.pd.value - 1;
        case kParamCheck:
            return value.u.bd.value;
        case kParamInt:
        case kParamFloat:
            return whole_number(value.u.fs_d.value);
        case kParamAngle:
            return value.u.ad.value >> 16;
        default:
            return 0;
    }
}

struct Membership {
    bool controlled = false;
    bool shown = false;
    int entry = 0;  // the group entry that matched the selected group
};

// The group list ends at its first entry <= 0.
Membership membership(const ParamDef& slot, std::int64_t lo, std::int64_t hi, std::int64_t selected) {
    Membership m;
    for (int k = 0; k < kGroupCount && slot.group[k] > 0; ++k) {
        const std::int64_t group = slot.group[k];
        if (group >= lo && group <= hi) m.controlled = true;
        if (group == selected) {
            m.shown = true;
            m.entry = k;
            return m;
        }
    }
    return m;
}

// Only entries 0-9 have names; a match further down sets none.
std::string member_name(const ParamDef& slot, int entry) {
    const Text* name = slot.display_name(entry);
    return name != nullptr ? name->str() : std::string();
}

}  // namespace

int selected_group(const ParamDef& slot, const PF_ParamDef& value) {
    const std::int64_t selected = std::int64_t{-slot.group[0]} + switch_value(slot, value);
    return static_cast<int>(
        std::clamp<std::int64_t>(selected, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void ApplyGroupSwitch(PanelCommand& command, int index) {
    const ParamDef& switch_slot = command.slot(index);
    const PF_ParamDef* value = command.param(index);
    if (value == nullptr) return;
    const std::int64_t first = -std::int64_t{switch_slot.group[0]};
    const std::int64_t span = std::max<std::int64_t>(1, whole_number(switch_slot.max));
    const std::int64_t last = first + span;
    const std::int64_t selected = selected_group(switch_slot, *value);
    const bool hides = first > 100;

    for (int j = 1; j < command.param_count; ++j) {
        command.global.texts_dirty = 1;
        const ParamDef& member = command.slot(j);
        const Membership m = membership(member, first, last, selected);
        if (!m.shown && !m.controlled) continue;
        const PF_ParamDef* current = command.param(j);
        if (current == nullptr) continue;
        const bool hide = !m.shown;
        PF_ParamDef copy = *current;
        const PF_ParamUIFlags flag = hides ? PF_PUI_INVISIBLE : PF_PUI_DISABLED;
        command.state.param_state[j] = (hides ? 2 : 1) * (hide ? 1 : -1);
        if (!command.premiere) {
            StreamChange change;
            change.set_hidden = hides;
            change.hidden = hide;
            change.name = member_name(member, hide ? 0 : m.entry);
            // A disabled member whose name stays needs no stream at all.
            if (change.set_hidden || !change.name.empty()) change_param_stream(command, 0, j, change);
        }
        copy.ui_flags = hide ? (copy.ui_flags | flag) : (copy.ui_flags & ~flag);
        update_param_ui(command, j, copy);
    }
}

}  // namespace fx
