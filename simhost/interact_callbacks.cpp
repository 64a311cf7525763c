// The interaction callbacks in in_data->inter: parameters, abort, progress, custom UI.
#include <cstring>
#include <string>

#include "AE_Effect.h"
#include "AE_EffectUI.h"
#include "simhost/host_pieces.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

constexpr std::string_view kSource = "inter";

std::string param_text(const PF_ParamDef* def) {
    if (def == nullptr) return "null";
    char name[sizeof def->name + 1] = {};
    std::memcpy(name, def->name, sizeof def->name);  // the plug-in may leave it unterminated
    return "type " + std::to_string(def->param_type) + ", name " + quoted_text(name) + ", id " +
           std::to_string(def->uu.id) + ", flags " + std::to_string(def->flags) + ", ui_flags " +
           std::to_string(def->ui_flags);
}

PF_Err add_param(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "add_param");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "add_param")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0 && def == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) result = host.add_param(index, *def);
    host.record(kSource, "add_param", std::to_string(index) + ", " + param_text(def), result);
    return result;
}

PF_Err checkout_param(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time, A_long time_step,
                      A_u_long time_scale, PF_ParamDef* param) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "checkout_param");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "checkout_param")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0 && param == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) result = host.checkout_param(index, what_time, param);
    host.record(kSource, "checkout_param", arguments_text(index, what_time, time_step, time_scale), result);
    return result;
}

PF_Err checkin_param(PF_ProgPtr effect_ref, PF_ParamDef* param) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "checkin_param");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "checkin_param")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) result = host.checkin_param(param);
    host.record(kSource, "checkin_param", param == nullptr ? "null" : param_text(param), result);
    return result;
}

PF_Err abort_check(PF_ProgPtr effect_ref) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "abort");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "abort")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) result = host.abort_result();
    host.record(kSource, "abort", "", result);
    return result;
}

PF_Err progress(PF_ProgPtr effect_ref, A_long current, A_long total) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "progress");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "progress")) result = PF_Err_BAD_CALLBACK_PARAM;
    // Progress reports also answer the user's cancel, like abort.
    if (result == 0) result = host.abort_result();
    host.record(kSource, "progress", arguments_text(current, total), result);
    return result;
}

PF_Err register_ui(PF_ProgPtr effect_ref, struct PF_CustomUIInfo* info) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource, "register_ui");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "register_ui")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0 && info == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) host.register_ui(*info);
    host.record(kSource, "register_ui", info == nullptr ? "null" : "events " + std::to_string(info->events), result);
    return result;
}

}  // namespace

PF_InteractCallbacks make_interact_callbacks() {
    PF_InteractCallbacks inter{};
    inter.checkout_param = checkout_param;
    inter.checkin_param = checkin_param;
    inter.add_param = add_param;
    inter.abort = abort_check;
    inter.progress = progress;
    inter.register_ui = register_ui;
    inter.checkout_layer_audio = unmodelled<"inter", "checkout_layer_audio">(inter.checkout_layer_audio);
    inter.checkin_layer_audio = unmodelled<"inter", "checkin_layer_audio">(inter.checkin_layer_audio);
    inter.get_audio_data = unmodelled<"inter", "get_audio_data">(inter.get_audio_data);
    return inter;
}

}  // namespace fx
