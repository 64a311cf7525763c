// PF_Cmd_EVENT: the clicks and draw requests of the custom controls in the effect-control
// panel. Every other kind of event is left to the host.
#include <algorithm>

#include "AE_EffectUI.h"
#include "host/command_handlers.h"
#include "host/host_application.h"
#include "interactive/control_drawing.h"
#include "interactive/image_control_click.h"
#include "interactive/sequence_lock.h"
#include "platform/mouse_buttons.h"

namespace fx {
namespace {

PF_Err click(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
             const PF_EventExtra& event) {
    const EffectDefinition& definition = effect_definition();
    const int param_count =
        std::clamp(std::min<int>(definition.settings.param_count, in_data->num_params), 0, kSlotCount);
    const int index = event.effect_win.index;
    if (index < 0 || index >= param_count || definition.params[index].type != kParamImage) return PF_Err_NONE;
    SuiteCache local(in_data->pica_basicP);
    const PF_HandleSuite1* handles = local.handle_suite();
    SequenceLock sequence(handles, in_data->sequence_data);
    SequenceState* state = sequence.live();
    if (state == nullptr) return PF_Err_NONE;
    // A click that arrives after the button went up (a late delivery) is not acted on.
    if (!platform::mouse_button_down()) return PF_Err_NONE;
    GlobalStateLock global_lock(handles, in_data->global_data);
    GlobalState* global = global_lock.get();
    if (global == nullptr || global->suites == nullptr) return PF_Err_NONE;
    PanelCommand command{
        in_data,    out_data, params, output, definition, *state, *global, *global->suites, is_premiere_pro(in_data),
        param_count};
    ImageControlClick(command, index, event);
    return command.chain.result();
}

}  // namespace

PF_Err custom_ui_event(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                       void* extra) {
    if (in_data == nullptr || out_data == nullptr || extra == nullptr) return PF_Err_NONE;
    auto& event = *static_cast<PF_EventExtra*>(extra);
    switch (event.e_type) {
        case PF_Event_DO_CLICK:
            return click(in_data, out_data, params, output, event);
        case PF_Event_DRAW:
            return DrawCustomControl(in_data, out_data, event);
        default:
            return PF_Err_NONE;
    }
}

}  // namespace fx
