#include "interactive/param_ui_update.h"

namespace fx {

void ask_for_redraw(PF_OutData* out_data) { out_data->out_flags |= PF_OutFlag_REFRESH_UI | PF_OutFlag_FORCE_RERENDER; }

void update_param_ui(PanelCommand& command, int index, PF_ParamDef copy) {
    copy.uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    command.chain.always([&] {
        return command.suites.param_utils_suite()->PF_UpdateParamUI(command.in_data->effect_ref, index, &copy);
    });
}

}  // namespace fx
