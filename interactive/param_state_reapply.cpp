#include "interactive/param_state_reapply.h"

#include <cstdlib>
#include <string_view>

#include "interactive/param_streams.h"
#include "interactive/param_ui_update.h"
#include "interactive/text_param_edit.h"

namespace fx {
namespace {

void reapply_text_name(PanelCommand& command, int j) {
    const ParamDef& slot = command.slot(j);
    const int text_index = std::abs(slot.flags);
    if (slot.type != kParamText || text_index >= kSequenceTexts || command.premiere) return;
    if (slot.display.view().find('?') == std::string_view::npos) return;
    if (command.chain.open()) {
        const char* text = command.state.texts[text_index];
        StreamChange change;
        change.name = fill_placeholder(slot.display.view(), text != nullptr ? text : "");
        change_param_stream(command, command.global.aegp_plugin_id, j, change);
    }
    ask_for_redraw(command.out_data);
}

}  // namespace

void ReapplyParamStates(PanelCommand& command) {
    for (int j = 0; j < command.param_count; ++j) {
        reapply_text_name(command, j);
        const int state = command.state.param_state[j];
        const PF_ParamDef* current = command.param(j);
        if (state == 0 || current == nullptr) continue;
        if (std::abs(state) != 1 && std::abs(state) != 2) continue;
        PF_ParamDef copy = *current;
        if (std::abs(state) == 2) {
            if (!command.premiere && command.chain.open()) {
                StreamChange change;
                change.set_hidden = true;
                change.hidden = state > 0;
                change_param_stream(command, 0, j, change);
            }
            copy.ui_flags = state > 0 ? (copy.ui_flags | PF_PUI_INVISIBLE) : (copy.ui_flags & ~PF_PUI_INVISIBLE);
        } else {
            copy.ui_flags = state > 0 ? (copy.ui_flags | PF_PUI_DISABLED) : (copy.ui_flags & ~PF_PUI_DISABLED);
        }
        update_param_ui(command, j, copy);
    }
}

}  // namespace fx
