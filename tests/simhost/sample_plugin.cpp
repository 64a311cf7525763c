// A small plug-in for the loader tests: it registers under its own names and entry point,
// keeps its global and sequence data in host handles and checks that the host passes them
// back, adds a popup whose item text it overwrites afterwards, and prints an overlong
// message into return_msg.
#include <cstring>

#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectCBSuites.h"
#include "AE_PluginData.h"
#include "SPBasic.h"

namespace {

constexpr char kGlobalMark[] = "sample global";

struct SequenceRecord {
    int renders;
};

PF_HandleSuite1* handle_suite(PF_InData* in_data) {
    const void* suite = nullptr;
    in_data->pica_basicP->AcquireSuite(kPFHandleSuite, kPFHandleSuiteVersion1, &suite);
    return static_cast<PF_HandleSuite1*>(const_cast<void*>(suite));
}

void release_handle_suite(PF_InData* in_data) {
    in_data->pica_basicP->ReleaseSuite(kPFHandleSuite, kPFHandleSuiteVersion1);
}

PF_Err global_setup(PF_InData* in_data, PF_OutData* out_data) {
    PF_HandleSuite1* handles = handle_suite(in_data);
    if (handles == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    PF_Handle global = handles->host_new_handle(sizeof kGlobalMark);
    if (global == nullptr) {
        release_handle_suite(in_data);
        return PF_Err_OUT_OF_MEMORY;
    }
    std::memcpy(handles->host_lock_handle(global), kGlobalMark, sizeof kGlobalMark);
    handles->host_unlock_handle(global);
    release_handle_suite(in_data);
    out_data->global_data = global;
    out_data->my_version = 0x00100002;
    return PF_Err_NONE;
}

PF_Err global_setdown(PF_InData* in_data) {
    PF_HandleSuite1* handles = handle_suite(in_data);
    if (handles == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    handles->host_dispose_handle(in_data->global_data);
    release_handle_suite(in_data);
    return PF_Err_NONE;
}

PF_Err params_setup(PF_InData* in_data, PF_OutData* out_data) {
    char items[16];
    std::strcpy(items, "One|Two");
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    def.param_type = PF_Param_POPUP;
    def.uu.id = 7;
    in_data->utils->ansi.strcpy(def.name, "Mode");
    def.u.pd.num_choices = 2;
    def.u.pd.dephault = 1;
    def.u.pd.value = 1;
    def.u.pd.u.namesptr = items;
    const PF_Err err = in_data->inter.add_param(in_data->effect_ref, -1, &def);
    std::strcpy(items, "gone");  // the host must have kept its own copy
    out_data->num_params = 2;
    return err;
}

PF_Err sequence_setup(PF_InData* in_data, PF_OutData* out_data) {
    PF_Handle sequence = in_data->utils->host_new_handle(sizeof(SequenceRecord));
    if (sequence == nullptr) return PF_Err_OUT_OF_MEMORY;
    static_cast<SequenceRecord*>(*sequence)->renders = 0;
    out_data->sequence_data = sequence;
    return PF_Err_NONE;
}

PF_Err flattened_copy(PF_InData* in_data, PF_OutData* out_data) {
    PF_Handle copy = in_data->utils->host_new_handle(sizeof(SequenceRecord));
    if (copy == nullptr) return PF_Err_OUT_OF_MEMORY;
    std::memcpy(*copy, *in_data->sequence_data, sizeof(SequenceRecord));
    out_data->sequence_data = copy;
    return PF_Err_NONE;
}

PF_Err render(PF_InData* in_data) {
    // The handles must be the ones handed out at set-up, with their contents.
    if (in_data->global_data == nullptr || in_data->sequence_data == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    const char* global = static_cast<const char*>(in_data->utils->host_lock_handle(in_data->global_data));
    const bool global_ok = global != nullptr && std::strcmp(global, kGlobalMark) == 0;
    in_data->utils->host_unlock_handle(in_data->global_data);
    if (!global_ok) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    // Renders may come from several host threads at once.
    __atomic_fetch_add(&static_cast<SequenceRecord*>(*in_data->sequence_data)->renders, 1, __ATOMIC_RELAXED);
    return in_data->inter.abort(in_data->effect_ref);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) A_Err PluginDataEntryFunction(PF_PluginDataPtr in_ptr,
                                                                                PF_PluginDataCB callback, SPBasicSuite*,
                                                                                const char*, const char*) {
    return callback(in_ptr, reinterpret_cast<const A_u_char*>("Sample Effect"),
                    reinterpret_cast<const A_u_char*>("simhost_sample"), reinterpret_cast<const A_u_char*>("Samples"),
                    reinterpret_cast<const A_u_char*>("SampleMain"), 0x65464B54, 13, 27, 8);
}

extern "C" __attribute__((visibility("default"))) PF_Err SampleMain(PF_Cmd cmd, PF_InData* in_data,
                                                                    PF_OutData* out_data, PF_ParamDef**, PF_LayerDef*,
                                                                    void*) {
    switch (cmd) {
        case PF_Cmd_ABOUT: {
            char long_text[400];
            std::memset(long_text, 'x', sizeof long_text - 1);
            long_text[sizeof long_text - 1] = '\0';
            in_data->utils->ansi.sprintf(out_data->return_msg, "%s", long_text);
            out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
            return PF_Err_NONE;
        }
        case PF_Cmd_GLOBAL_SETUP:
            return global_setup(in_data, out_data);
        case PF_Cmd_GLOBAL_SETDOWN:
            return global_setdown(in_data);
        case PF_Cmd_PARAMS_SETUP:
            return params_setup(in_data, out_data);
        case PF_Cmd_SEQUENCE_SETUP:
            return sequence_setup(in_data, out_data);
        case PF_Cmd_SEQUENCE_SETDOWN:
            in_data->utils->host_dispose_handle(in_data->sequence_data);
            return PF_Err_NONE;
        case PF_Cmd_GET_FLATTENED_SEQUENCE_DATA:
            return flattened_copy(in_data, out_data);
        case PF_Cmd_RENDER:
            return render(in_data);
        default:
            return PF_Err_NONE;
    }
}
