#include "host/command_dispatch.h"

#include <mutex>

#include "host/command_firewall.h"
#include "host/command_handlers.h"
#include "host/process_mutex.h"

namespace fx {
namespace {

// Runs a sequence command under the process mutex. What the handler throws is
// swallowed; a failure to take the lock (std::system_error) still reaches the firewall.
// std::mutex::unlock reports no errors, so releasing the lock cannot fail here.
template <class Body>
PF_Err run_sequence_command(Body&& body) {
    std::lock_guard<std::mutex> lock(process_mutex());
    try {
        return body();
    } catch (...) {
        return PF_Err_NONE;
    }
}

PF_Err route(const CommandTable& t, PF_Cmd cmd, PF_InData* in, PF_OutData* out, PF_ParamDef* params[],
             PF_LayerDef* output, void* extra) {
    switch (cmd) {
        case PF_Cmd_ABOUT:
            return t.about(in, out, params, output);
        case PF_Cmd_GLOBAL_SETUP:
            return t.global_setup(in, out, params, output);
        case PF_Cmd_GLOBAL_SETDOWN:
            return t.global_setdown(in, out, params, output);
        case PF_Cmd_PARAMS_SETUP:
            return t.params_setup(in, out, params, output);
        case PF_Cmd_SEQUENCE_SETUP:
            return run_sequence_command([&] { return t.sequence_setup(in, out, params, output); });
        case PF_Cmd_SEQUENCE_RESETUP:
            return run_sequence_command([&] { return t.sequence_resetup(in, out, params, output); });
        case PF_Cmd_SEQUENCE_FLATTEN:
            return run_sequence_command([&] { return t.sequence_flatten(in, out, params, output, true); });
        case PF_Cmd_SEQUENCE_SETDOWN:
            return run_sequence_command([&] { return t.sequence_setdown(in, out, params, output); });
        case PF_Cmd_DO_DIALOG:
            return t.options(in, out, params, output);
        case PF_Cmd_RENDER:
            return t.render(in, out, params, output);
        case PF_Cmd_USER_CHANGED_PARAM:
            return t.user_changed_param(in, out, params, output, extra);
        case PF_Cmd_UPDATE_PARAMS_UI:
            return t.user_changed_param(in, out, params, output, nullptr);
        case PF_Cmd_EVENT:
            return t.event(in, out, params, output, extra);
        case PF_Cmd_SMART_PRE_RENDER:
            return t.smart_pre_render(in, out, extra);
        case PF_Cmd_SMART_RENDER:
            return t.smart_render(in, out, extra);
        case PF_Cmd_GET_FLATTENED_SEQUENCE_DATA:
            return t.sequence_flatten(in, out, params, output, false);
        default:
            return PF_Err_NONE;
    }
}

}  // namespace

const CommandTable& default_command_table() noexcept {
    static const CommandTable table{
        .about = about_command,
        .global_setup = global_setup,
        .global_setdown = global_setdown,
        .params_setup = params_setup,
        .sequence_setup = sequence_setup,
        .sequence_resetup = sequence_resetup,
        .sequence_flatten = sequence_flatten,
        .sequence_setdown = sequence_setdown,
        .options = options_command,
        .render = render_command,
        .user_changed_param = user_changed_param,
        .event = custom_ui_event,
        .smart_pre_render = smart_pre_render,
        .smart_render = smart_render,
    };
    return table;
}

PF_Err dispatch_command(const CommandTable& table, PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                        PF_ParamDef* params[], PF_LayerDef* output, void* extra) noexcept {
    return run_guarded([&] { return route(table, cmd, in_data, out_data, params, output, extra); });
}

}  // namespace fx
