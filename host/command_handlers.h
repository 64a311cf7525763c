#pragma once
// The handler of each host command that EffectMain answers, grouped in files by command
// group (global_setup.cpp, sequence_commands.cpp, …). Each returns a host error code;
// internal faults leave as exceptions, which only the entry point turns into codes.
// Records the commands bring in `extra`: PF_UserChangedParamExtra (parameter change),
// PF_EventExtra (event), PF_PreRenderExtra / PF_SmartRenderExtra (smart render).

#include "AE_Effect.h"

namespace fx {

// about_command.cpp
PF_Err about_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// options_command.cpp
PF_Err options_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// global_setup.cpp, global_teardown.cpp
PF_Err global_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);
PF_Err global_setdown(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// params_setup_command.cpp
PF_Err params_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// sequence_commands.cpp
PF_Err sequence_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);
PF_Err sequence_resetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);
// release_live: the flatten command replaces the live record by its flat form; the
// get-flattened command leaves the live record in place.
PF_Err sequence_flatten(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                        bool release_live);
PF_Err sequence_setdown(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// render_commands.cpp
PF_Err render_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);
PF_Err smart_pre_render(PF_InData* in_data, PF_OutData* out_data, void* extra);
PF_Err smart_render(PF_InData* in_data, PF_OutData* out_data, void* extra);

// interactive/param_change_handler.cpp
// Also answers PF_Cmd_UPDATE_PARAMS_UI, with a null extra.
PF_Err user_changed_param(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                          void* extra);
// interactive/custom_ui_event.cpp
PF_Err custom_ui_event(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                       void* extra);

}  // namespace fx
