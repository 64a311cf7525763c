#include "interactive/param_change_handler.h"

#include <algorithm>
#include <cstdlib>

#include "host/command_handlers.h"
#include "host/host_application.h"
#include "interactive/definition_preset.h"
#include "interactive/group_switch.h"
#include "interactive/image_index.h"
#include "interactive/later_actions.h"
#include "interactive/param_state_reapply.h"
#include "interactive/param_ui_update.h"
#include "interactive/script_button.h"
#include "interactive/sequence_lock.h"
#include "interactive/text_param_edit.h"
#include "platform/file_dialog.h"

namespace fx {
namespace {

constexpr int kLoadPresetButton = 800;
constexpr int kSavePresetButton = 801;
constexpr int kPresetFilePopup = 802;
constexpr int kBuiltInPresetPopup = 3;
constexpr int kIgnoreVisibility = 666;

void change_image(PanelCommand& command, int index) {
    const auto path =
        platform::FileDialog(platform::FileDialogAction::open, "", "", platform::ParseFilters("Images:png,jpg,jpeg"));
    if (!path || path->empty()) return;
    load_image_parameter(command, *path, image_index_of(command.definition, index));
    ReapplyParamStates(command);
}

void change_button(PanelCommand& command, int index) {
    const int flags = command.slot(index).flags;
    if (flags >= 0 && flags < kScriptSlots) {
        RunScriptButton(command, index, flags);
    } else if (flags == kLoadPresetButton) {
        load_preset_from_file(command, index);
    } else if (flags == kSavePresetButton) {
        save_preset_to_file(command, index);
    }
}

void run_change_steps(PanelCommand& command, int c) {
    command.out_data->out_flags = PF_OutFlag_REFRESH_UI | PF_OutFlag_FORCE_RERENDER;
    const ParamDef& slot = command.slot(c);
    if (const PF_ParamDef* changed = command.param(c)) update_param_ui(command, c, *changed);
    if (slot.group[0] < 0 && command.param_count > 1) ApplyGroupSwitch(command, c);
    if (slot.type == kParamText) {
        command.global.texts_dirty = 1;
        if (std::abs(slot.flags) < kSequenceTexts) EditTextParam(command, c, std::abs(slot.flags));
    }
    if (slot.type == kParamImage) change_image(command, c);
    if (slot.type == kParamButton) change_button(command, c);
    const PF_ParamDef* value = command.param(c);
    if (slot.type == kParamPopup && slot.flags == kPresetFilePopup && value != nullptr) {
        load_listed_preset(command, value->u.pd.value - 1, slot.special != kIgnoreVisibility);
        command.global.texts_dirty = 1;
    }
    if (slot.type == kParamPopup && slot.flags == kBuiltInPresetPopup) {
        command.global.texts_dirty = 1;
        ApplyDefinitionPreset(command, c);
    }
    const bool switches_render =
        (slot.type == kParamCheck || slot.type == kParamPopup) && (slot.flags > 0 || slot.special > 0);
    if (slot.type == kParamImage || slot.type == kParamLayer || switches_render) command.global.texts_dirty = 1;
}

}  // namespace

PF_Err ParamChangeHandler(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                          const PF_UserChangedParamExtra* extra) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    SuiteCache local(in_data->pica_basicP);
    const PF_HandleSuite1* handles = local.handle_suite();
    SequenceLock sequence(handles, in_data->sequence_data);
    SequenceState* state = sequence.get();
    // A record still in its flat form holds no live texts to work on.
    if (state == nullptr || state->is_flat != 0) return PF_Err_NONE;
    GlobalStateLock global_lock(handles, in_data->global_data);
    GlobalState* global = global_lock.get();
    if (global == nullptr || global->suites == nullptr) return PF_Err_NONE;

    const EffectDefinition& definition = effect_definition();
    const int param_count =
        std::clamp(std::min<int>(definition.settings.param_count, in_data->num_params), 0, kSlotCount);
    PanelCommand command{
        in_data,    out_data, params, output, definition, *state, *global, *global->suites, is_premiere_pro(in_data),
        param_count};
    if (extra == nullptr) {
        ReapplyParamStates(command);
    } else if (extra->param_index > 0 && extra->param_index < param_count) {
        run_change_steps(command, extra->param_index);
    }
    return command.chain.result();
}

PF_Err user_changed_param(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                          void* extra) {
    return ParamChangeHandler(in_data, out_data, params, output, static_cast<const PF_UserChangedParamExtra*>(extra));
}

}  // namespace fx
