#include "simhost/loaded_plugin.h"

#include <cstring>

#include "AE_PluginData.h"
#include "simhost/recorded_call.h"

namespace fx {
namespace {

struct RegistrationCall {
    Registration* registration;
    A_Err answer;
};

// Registration texts sit in 32-byte slots; a slot is read up to its NUL and never past its
// end, so a slot without one is cut rather than read beyond.
std::string slot_text(const A_u_char* text) {
    if (text == nullptr) return {};
    const char* chars = reinterpret_cast<const char*>(text);
    return std::string(chars, strnlen(chars, 32));
}

A_Err record_registration(PF_PluginDataPtr in_ptr, const A_u_char* name, const A_u_char* match_name,
                          const A_u_char* category, const A_u_char* entry_point, A_long kind, A_long api_major,
                          A_long api_minor, A_long reserved_info) {
    auto* call = reinterpret_cast<RegistrationCall*>(in_ptr);
    Registration& r = *call->registration;
    ++r.calls;
    r.name = slot_text(name);
    r.match_name = slot_text(match_name);
    r.category = slot_text(category);
    r.entry_point = slot_text(entry_point);
    r.kind = kind;
    r.api_major = api_major;
    r.api_minor = api_minor;
    r.reserved_info = reserved_info;
    return call->answer;
}

}  // namespace

std::string CommandResult::message() const {
    return std::string(out.return_msg, strnlen(out.return_msg, sizeof out.return_msg));
}

bool CommandResult::shows_message() const { return (out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) != 0; }

LoadedPlugin::LoadedPlugin(SimHost& host, std::string path)
    : host_(host), path_(std::move(path)), library_(std::make_unique<PluginLibrary>(path_)) {}

LoadedPlugin::~LoadedPlugin() {
    if (flattened_copy_ != nullptr) host_.handles().dispose(flattened_copy_);
}

void* LoadedPlugin::symbol(const char* name) const { return library_->symbol(name); }

Registration LoadedPlugin::register_plugin(A_Err callback_answer) {
    auto entry = reinterpret_cast<PluginDataEntryFunctionPtr>(symbol("PluginDataEntryFunction"));
    if (entry == nullptr) {
        throw PluginLoadError("LoadedPlugin: " + path_ + ": the library exports no PluginDataEntryFunction");
    }
    Registration registration;
    RegistrationCall call{&registration, callback_answer};
    registration.result =
        entry(reinterpret_cast<PF_PluginDataPtr>(&call), record_registration, host_.basic_suite(), "SimHost", "13.27");
    host_.record("host", "PluginDataEntryFunction", std::to_string(registration.calls) + " registration(s)",
                 registration.result);
    if (registration.calls > 0 && !registration.entry_point.empty()) {
        std::lock_guard lock(mutex_);
        entry_point_name_ = registration.entry_point;
        entry_point_ = nullptr;
    }
    return registration;
}

std::optional<PiplRecord> LoadedPlugin::pipl() const {
    const auto bytes = library_->registration_bytes();
    if (!bytes) return std::nullopt;
    return parse_pipl(*bytes);
}

LoadedPlugin::EntryPoint LoadedPlugin::entry_point() {
    std::lock_guard lock(mutex_);
    if (entry_point_ == nullptr) {
        entry_point_ = reinterpret_cast<EntryPoint>(symbol(entry_point_name_.c_str()));
        if (entry_point_ == nullptr) {
            throw PluginLoadError("LoadedPlugin: " + path_ + ": the library exports no entry point \"" +
                                  entry_point_name_ + "\"");
        }
    }
    return entry_point_;
}

CommandResult LoadedPlugin::call(PF_Cmd cmd, void* extra, PF_LayerDef* output) {
    std::vector<PF_ParamDef*> params = host_.param_list();
    return call_with(cmd, params.data(), output, extra);
}

CommandResult LoadedPlugin::call_with(PF_Cmd cmd, PF_ParamDef** params, PF_LayerDef* output, void* extra) {
    return run(cmd, params, output, extra, nullptr);
}

CommandResult LoadedPlugin::call_at(PF_Cmd cmd, A_long current_time, PF_ParamDef** params, PF_LayerDef* output,
                                    void* extra) {
    return run(cmd, params, output, extra, &current_time);
}

CommandResult LoadedPlugin::run(PF_Cmd cmd, PF_ParamDef** params, PF_LayerDef* output, void* extra,
                                const A_long* current_time) {
    EntryPoint main = entry_point();
    PF_Handle global = nullptr;
    PF_Handle sequence = nullptr;
    {
        std::lock_guard lock(mutex_);
        global = global_data_;
        sequence = sequence_data_;
    }
    PF_InData in = host_.make_in_data(global, sequence);
    if (current_time != nullptr) in.current_time = *current_time;
    PF_OutData out = SimHost::make_out_data(global, sequence);
    PF_Err result = PF_Err_NONE;
    {
        // The host knows its message buffer's size: text the plug-in prints there is bounded.
        const KnownTextBuffer message_area(host_.texts(), out.return_msg, sizeof out.return_msg);
        host_.record("host", "EffectMain", "command " + std::to_string(cmd), 0);
        result = main(cmd, &in, &out, params, output, extra);
    }
    host_.record("host", "EffectMain returned", "command " + std::to_string(cmd), result);
    CommandResult command{cmd, result, in, out};
    std::lock_guard lock(mutex_);
    keep_handles(cmd, sequence, out);
    history_.push_back(command);
    return command;
}

void LoadedPlugin::keep_handles(PF_Cmd cmd, PF_Handle sequence_given, const PF_OutData& out) {
    switch (cmd) {
        case PF_Cmd_GLOBAL_SETDOWN:
            // The plug-in disposes its global data here; the host forgets the handle.
            global_data_ = nullptr;
            break;
        case PF_Cmd_SEQUENCE_SETDOWN:
            sequence_data_ = nullptr;
            break;
        case PF_Cmd_GET_FLATTENED_SEQUENCE_DATA:
            // A flat copy for saving; the live record stays the instance's sequence data.
            if (out.sequence_data != nullptr && out.sequence_data != sequence_given) {
                if (flattened_copy_ != nullptr) host_.handles().dispose(flattened_copy_);
                flattened_copy_ = out.sequence_data;
            }
            break;
        default:
            global_data_ = out.global_data;
            sequence_data_ = out.sequence_data;
            break;
    }
    host_.set_instance_sequence_data(sequence_data_);
}

PF_Handle LoadedPlugin::global_data() const {
    std::lock_guard lock(mutex_);
    return global_data_;
}

PF_Handle LoadedPlugin::sequence_data() const {
    std::lock_guard lock(mutex_);
    return sequence_data_;
}

void LoadedPlugin::set_global_data(PF_Handle handle) {
    std::lock_guard lock(mutex_);
    global_data_ = handle;
}

void LoadedPlugin::set_sequence_data(PF_Handle handle) {
    std::lock_guard lock(mutex_);
    sequence_data_ = handle;
    host_.set_instance_sequence_data(handle);
}

std::vector<CommandResult> LoadedPlugin::history() const {
    std::lock_guard lock(mutex_);
    return history_;
}

PF_Handle LoadedPlugin::take_flattened_copy() {
    std::lock_guard lock(mutex_);
    PF_Handle copy = flattened_copy_;
    flattened_copy_ = nullptr;
    return copy;
}

}  // namespace fx
