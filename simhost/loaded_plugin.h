#pragma once
// A plug-in library opened the way the host opens it (PluginLibrary), registered
// through PluginDataEntryFunction, its registration record read from the library,
// and then driven command by command through its entry point. The handles the plug-in
// hands back in out_data (global and sequence data) are kept and passed in again on
// later commands, as the host does.
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "A.h"
#include "AE_Effect.h"
#include "simhost/pipl_record.h"
#include "simhost/plugin_library.h"
#include "simhost/sim_host.h"

namespace fx {

// The values the plug-in passed to the registration callback.
struct Registration {
    int calls = 0;  // how often the callback was called
    std::string name;
    std::string match_name;
    std::string category;
    std::string entry_point;
    A_long kind = 0;
    A_long api_major = 0;
    A_long api_minor = 0;
    A_long reserved_info = 0;
    A_Err result = 0;  // what PluginDataEntryFunction returned
};

struct CommandResult {
    PF_Cmd cmd = 0;
    PF_Err result = 0;
    PF_InData in{};    // in_data as the plug-in left it
    PF_OutData out{};  // out_data as the plug-in left it

    std::string message() const;  // return_msg up to its NUL (at most 255 characters)
    bool shows_message() const;   // the display-error flag is set
};

// The host must outlive the plug-ins it loaded: closing a plug-in gives its last flat copy
// back to the host's handle store.
class LoadedPlugin {
public:
    // Throws PluginLoadError naming the path when the library cannot be loaded.
    LoadedPlugin(SimHost& host, std::string path);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    const std::string& path() const { return path_; }

    // Calls PluginDataEntryFunction once with a recording callback that answers
    // `callback_answer`. Throws PluginLoadError when the library does not export it.
    Registration register_plugin(A_Err callback_answer = 0);

    // The registration record from the library (its ".pipl" section, or its "PiPL"
    // resource on Windows); nothing when it has none. Throws ElfFormatError or PiplFormatError for a damaged file or record.
    std::optional<PiplRecord> pipl() const;

    // Runs one command with the host's parameter list. The entry point is the one the
    // registration named, else "EffectMain"; a library without it throws PluginLoadError.
    CommandResult call(PF_Cmd cmd, void* extra = nullptr, PF_LayerDef* output = nullptr);
    // The same with a parameter list of the caller's.
    CommandResult call_with(PF_Cmd cmd, PF_ParamDef** params, PF_LayerDef* output, void* extra);
    // The same for a frame at `current_time`: render threads each give their own time.
    CommandResult call_at(PF_Cmd cmd, A_long current_time, PF_ParamDef** params, PF_LayerDef* output, void* extra);

    PF_Handle global_data() const;
    PF_Handle sequence_data() const;
    // Set the handles the next command receives (a saved, flattened record, another
    // instance's data, or none).
    void set_global_data(PF_Handle handle);
    void set_sequence_data(PF_Handle handle);
    // The flat copy the last PF_Cmd_GET_FLATTENED_SEQUENCE_DATA handed over; the caller
    // takes it (the host would save it with the project). Copies not taken are disposed
    // when the next one arrives or the plug-in is closed.
    PF_Handle take_flattened_copy();

    std::vector<CommandResult> history() const;

private:
    using EntryPoint = PF_Err (*)(PF_Cmd, PF_InData*, PF_OutData*, PF_ParamList, PF_LayerDef*, void*);
    void* symbol(const char* name) const;
    EntryPoint entry_point();
    void keep_handles(PF_Cmd cmd, PF_Handle sequence_given, const PF_OutData& out);
    CommandResult run(PF_Cmd cmd, PF_ParamDef** params, PF_LayerDef* output, void* extra, const A_long* current_time);

    SimHost& host_;
    std::string path_;
    // Commands may come from several threads at once (threaded rendering); the host's own
    // bookkeeping is guarded, the plug-in's code is not serialised by the host.
    mutable std::mutex mutex_;
    std::unique_ptr<PluginLibrary> library_;
    std::string entry_point_name_ = "EffectMain";
    EntryPoint entry_point_ = nullptr;
    PF_Handle global_data_ = nullptr;
    PF_Handle sequence_data_ = nullptr;
    PF_Handle flattened_copy_ = nullptr;
    std::vector<CommandResult> history_;
};

}  // namespace fx
