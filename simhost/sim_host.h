#pragma once
// The simulated host: answers every call the plug-in makes into the host (basic suite,
// in_data callbacks, suites), records each one in its call log, injects faults on
// request and keeps the host-side state a test asserts on (handles, suites, parameters).
//
// Host callbacks receive no pointer to their host, so the host that answers them is the
// active one: the most recently constructed SimHost still alive. Tests create one at a time.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectPixelFormat.h"
#include "AE_EffectUI.h"
#include "SPBasic.h"
#include "simhost/call_log.h"
#include "simhost/effect_streams.h"
#include "simhost/fault_injector.h"
#include "simhost/handle_store.h"
#include "simhost/host_world.h"
#include "simhost/layer_clips.h"
#include "simhost/layer_world_cache.h"
#include "simhost/mem_handles.h"
#include "simhost/param_timeline.h"
#include "simhost/row_thread_pool.h"
#include "simhost/script_engine.h"
#include "simhost/suite_registry.h"
#include "simhost/text_destinations.h"

namespace fx {

enum class HostApp { after_effects, premiere_pro };

// appl_id values: the four-character codes as the host stores them (first character in the
// high byte). 'PrMr' is fixed by the plug-in interface; 'FXTC' is this host's own code
// for the compositing application.
inline constexpr A_long kAfterEffectsApplId = 0x46585443;  // 'FXTC'
inline constexpr A_long kPremiereProApplId = 0x50724D72;   // 'PrMr'

struct HostSettings {
    HostApp app = HostApp::after_effects;
    A_long width = 640;
    A_long height = 360;
    A_long current_time = 0;
    A_long time_step = 1;
    A_long total_time = 300;
    A_u_long time_scale = 30;  // 30 frames a second: time_step 1 is one frame
    PF_RationalScale downsample_x{1, 1};
    PF_RationalScale downsample_y{1, 1};
    PF_RationalScale pixel_aspect_ratio{1, 1};
    A_short version_major = 13;
    A_short version_minor = 27;
    int iterate_threads = 4;  // threads iterate_generic spreads rows over (1 = calling thread only)
    // Rendering: the pixel format of every world of a render, the bytes each world row
    // carries beyond its pixels, and the origin of the layers' worlds.
    PF_PixelFormat pixel_format = PF_PixelFormat_ARGB32;
    A_long row_padding = 0;
    A_long layer_origin_x = 0;
    A_long layer_origin_y = 0;
};

// A parameter the plug-in added, with the host's own copy of the texts it points to.
struct AddedParam {
    PF_ParamDef def{};
    std::string items;  // popup items, checkbox or button label; "" when none
    // The id it was registered with: the record's uu holds change flags once the panel
    // reported a change through PF_UpdateParamUI.
    A_long id = 0;
};

class SimHost {
public:
    explicit SimHost(HostSettings settings = {});
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    // The host that answers callbacks now; aborts with a message when there is none, since a
    // callback without a host is a broken test set-up, not something to answer.
    static SimHost& active();

    HostSettings& settings() { return settings_; }
    CallLog& log() { return log_; }
    FaultInjector& faults() { return faults_; }
    HandleStore& handles() { return handles_; }
    SuiteRegistry& suites() { return suites_; }
    TextDestinations& texts() { return texts_; }
    EffectStreams& streams() { return streams_; }
    MemHandles& mem_handles() { return mem_handles_; }

    SPBasicSuite* basic_suite() { return &basic_; }
    PF_UtilCallbacks* utils() { return &utils_; }
    PF_ProgPtr effect_ref() { return reinterpret_cast<PF_ProgPtr>(&effect_token_); }
    bool is_premiere() const { return settings_.app == HostApp::premiere_pro; }

    // A PF_InData as the host fills it for a command: settings, callbacks, basic suite,
    // the given global and sequence data and the current parameter count.
    PF_InData make_in_data(PF_Handle global_data, PF_Handle sequence_data);
    // A cleared PF_OutData carrying the handles the plug-in was given.
    static PF_OutData make_out_data(PF_Handle global_data, PF_Handle sequence_data);

    // Parameters: index 0 is the effect's input layer, then every added parameter.
    std::vector<AddedParam> added_params() const;
    std::vector<PF_ParamDef*> param_list();
    A_long param_count() const;
    int checked_out_params() const;  // check-outs not yet checked in
    // The name the panel shows for parameter `index`: its stream's name once the plug-in
    // set one, else the name it registered.
    std::string stream_name(PF_ParamIndex index) const;
    // Every custom-UI registration, in order.
    std::vector<PF_CustomUIInfo> registered_ui() const;

    // What the abort and progress callbacks answer (0: go on; 517 PF_Interrupt_CANCEL: stop).
    void set_abort_result(PF_Err result);
    PF_Err abort_result() const;

    // What functions the host does not model answer (PF_Err_INVALID_CALLBACK by default).
    void set_unmodelled_result(int code);
    int unmodelled_result() const;

    // Pixel formats the plug-in declared through the pixel format suites, in order.
    std::vector<PF_PixelFormat> supported_pixel_formats() const;

    // The sequence data of the instance being driven, as the sequence data suite reports it
    // (the loader keeps it up to date after every command).
    void set_instance_sequence_data(PF_Handle handle);
    PF_Handle instance_sequence_data() const;

    // Names the plug-in registered with the AEGP layer; the id handed out is index + 1.
    std::vector<std::string> aegp_plugins() const;

    // The last script's text as the engine ran it, and its completion value or error message.
    void set_last_script(std::string script, ScriptOutcome outcome);
    std::string last_script() const;
    ScriptOutcome last_script_outcome() const;

    // Blocks from the basic suite's AllocateBlock that were never freed.
    std::size_t open_blocks() const;

    // Everything the host could not honour (stale handles, unbalanced releases, wrong
    // effect_ref ...), gathered from its pieces.
    std::vector<std::string> misuses() const;

    // --- rendering ------------------------------------------------------------------------
    ParamTimeline& values() { return values_; }
    LayerClips& clips() { return clips_; }
    // Parameter `index` as the host hands it out at `time`: the registered record with the
    // value in effect then. A layer's world is left empty here (layers are checked out).
    PF_ParamDef param_at(PF_ParamIndex index, A_long time) const;
    // The world showing layer `index` at `time` in the render's pixel format, or null when
    // that layer parameter selects no layer. Made once per clip picture and world shape
    // and shared by later frames (see LayerWorldCache).
    std::shared_ptr<HostWorld> layer_world(PF_ParamIndex index, A_long time);
    // Layer worlds kept for later frames.
    std::size_t kept_layer_worlds() const { return layer_worlds_.kept(); }
    // Layer worlds handed out by checkout_param and not checked in yet.
    std::size_t checked_out_layers() const;
    // iterate_generic's rows on the host's kept threads (settings().iterate_threads of them).
    int iterate_rows(int rows, const std::function<int(int thread_index, int row)>& fn);

    // --- used by the callback pieces ---------------------------------------------------
    // The error a call must answer: the suite's failure (by source), or an injected fault
    // set for "source/name" (one source only, "utils/host_new_handle") or for the bare name
    // (every source); 0 when it is to do its work.
    int fault_for(std::string_view source, std::string_view name);
    void record(std::string_view source, std::string_view name, std::string args, int result);
    // Checks the effect_ref a callback was given; a wrong one is noted as a misuse.
    bool effect_ref_ok(PF_ProgPtr ref, std::string_view name);
    void note_misuse(std::string text);

    PF_Err add_param(PF_ParamIndex index, const PF_ParamDef& def);
    PF_Err checkout_param(PF_ParamIndex index, A_long time, PF_ParamDef* param);
    PF_Err checkin_param(const PF_ParamDef* param);
    // PF_UpdateParamUI: the panel takes the record's ui flags, value and change flags; the
    // parameter keeps its type, name and the host's own copies of its texts.
    PF_Err update_param_ui(PF_ParamIndex index, const PF_ParamDef& def);
    void register_ui(const PF_CustomUIInfo& info);
    void add_pixel_format(PF_PixelFormat format);
    void clear_pixel_formats();
    A_long register_aegp_plugin(std::string name);
    void track_block(void* block, std::size_t size);
    bool untrack_block(void* block);

private:
    HostSettings settings_;
    CallLog log_;
    FaultInjector faults_;
    HandleStore handles_;
    SuiteRegistry suites_;
    TextDestinations texts_;
    EffectStreams streams_;
    MemHandles mem_handles_;
    SPBasicSuite basic_{};
    PF_UtilCallbacks utils_{};
    PF_InteractCallbacks inter_{};
    char effect_token_ = 0;
    SimHost* previous_ = nullptr;

    mutable std::mutex mutex_;
    PF_ParamDef input_layer_{};
    std::vector<std::unique_ptr<AddedParam>> params_;
    int checked_out_ = 0;
    std::vector<PF_CustomUIInfo> registered_ui_;
    PF_Err abort_result_ = PF_Err_NONE;
    int unmodelled_result_ = PF_Err_INVALID_CALLBACK;
    std::vector<PF_PixelFormat> pixel_formats_;
    std::vector<std::string> aegp_plugins_;
    PF_Handle instance_sequence_data_ = nullptr;
    std::map<void*, std::size_t> blocks_;
    std::vector<std::string> misuses_;
    ParamTimeline values_;
    LayerClips clips_;
    LayerWorldCache layer_worlds_;
    // By pixels; a frame's layer world may be checked out more than once.
    std::multimap<const void*, std::shared_ptr<HostWorld>> checked_out_layers_;
    // One pool per thread count asked for; a pool is kept until the host ends, since a
    // call may still be running on it.
    std::map<int, std::unique_ptr<RowThreadPool>> row_pools_;
    std::string last_script_;
    ScriptOutcome last_script_outcome_;
};

}  // namespace fx
