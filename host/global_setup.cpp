// PF_Cmd_GLOBAL_SETUP: the out flags and version, the GlobalState in a new host handle,
// registration with the AEGP layer, the Premiere Pro specifics, the definition load,
// the renderer and the Options button's name.
#include <exception>
#include <optional>

#include "AE_CacheOnLoadSuite.h"
#include "AE_EffectSuites.h"
#include "PrSDKAESupport.h"
#include "definition/effect_definition.h"
#include "definition/loader/load_definition.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/global_state_release.h"
#include "host/host_application.h"
#include "host/optional_suite.h"
#include "host/registration.h"
#include "host/renderer_lifecycle.h"
#include "host/suite_cache.h"
#include "host/suite_scope.h"

namespace fx {
namespace {

// The host's version word for the definition's version (bug-fix and stage 0). Written
// when set-up ends, whichever way it ends: the host reads it even from a failed set-up,
// which has not loaded the definition and reports the one loaded before (or the reset
// version of a process that never loaded one).
class VersionWord {
public:
    explicit VersionWord(PF_OutData* out_data) noexcept : out_data_(out_data) {}
    ~VersionWord() {
        const auto& version = effect_definition().settings.version;
        out_data_->my_version = registration::pack_effect_version(version[0], version[1], version[2]);
    }
    VersionWord(const VersionWord&) = delete;
    VersionWord& operator=(const VersionWord&) = delete;

private:
    PF_OutData* out_data_;
};

// The GlobalState in its new handle, locked while set-up fills it. Until the host has
// taken the handle, ending this object gives back everything in it and disposes the
// handle: a record the host never received would never see a teardown. So does an
// exception that ends set-up after the hand-over, which then takes the handle back
// from out_data: a failed set-up leaves the host no global data.
class NewGlobalState {
public:
    NewGlobalState(const PF_HandleSuite1* handles, const SPBasicSuite* basic)
        : handles_(handles), basic_(basic), handle_(handles->host_new_handle(kGlobalStateHandleSize)) {
        if (handle_ == nullptr) return;
        state_ = static_cast<GlobalState*>(handles_->host_lock_handle(handle_));
        // Fresh host memory holds anything; the record starts from all-null fields so
        // that giving it back is safe from any point of set-up.
        if (state_ != nullptr) *state_ = GlobalState{};
    }
    ~NewGlobalState() {
        if (handle_ == nullptr) return;
        if (out_data_ != nullptr && std::uncaught_exceptions() > exceptions_at_start_) {
            out_data_->global_data = nullptr;
            out_data_ = nullptr;
        }
        if (out_data_ != nullptr) {
            if (state_ != nullptr) handles_->host_unlock_handle(handle_);
            return;
        }
        if (state_ != nullptr) release_global_state(*state_, handles_, basic_);
        // A locked handle may be disposed: disposal ends the lock.
        handles_->host_dispose_handle(handle_);
    }
    NewGlobalState(const NewGlobalState&) = delete;
    NewGlobalState& operator=(const NewGlobalState&) = delete;

    // Null when the host gave no handle or would not lock it.
    GlobalState* state() const noexcept { return state_; }
    // The host keeps the handle from here on and gives it to teardown.
    PF_Handle hand_over(PF_OutData* out_data) noexcept {
        out_data_ = out_data;
        return handle_;
    }

private:
    const PF_HandleSuite1* handles_;
    const SPBasicSuite* basic_;
    PF_Handle handle_;
    GlobalState* state_ = nullptr;
    PF_OutData* out_data_ = nullptr;  // set once the host has the handle
    int exceptions_at_start_ = std::uncaught_exceptions();
};

// The record's first fields and the kept world suite; the host's answer for that suite.
PF_Err begin_global_state(GlobalState& state, const SPBasicSuite* basic) {
    state.initialized = 1;
    state.suites = new SuiteCache(basic);
    state.pixel_format_suite = nullptr;
    state.world_suite = nullptr;
    OptionalSuite world(basic, kPFWorldSuite, kPFWorldSuiteVersion2);
    if (world.granted()) state.world_suite = static_cast<const PF_WorldSuite2*>(world.keep());
    return world.error();
}

// Registration with the AEGP layer, which Premiere Pro does not have.
PF_Err register_with_aegp(GlobalState& state, SuiteCache& suites, bool premiere, PF_Err result) {
    if (premiere) {
        state.aegp_plugin_id = 0;
        return result;
    }
    if (result != PF_Err_NONE) return result;
    return suites.utility_suite7()->AEGP_RegisterWithAEGP(nullptr, registration::kDisplayName.data(),
                                                          &state.aegp_plugin_id);
}

// Premiere Pro must not cache the plug-in between launches: its definition may change.
void refuse_cache_on_load(const PF_InData* in_data) {
    OptionalSuite cache(in_data->pica_basicP, kPFCacheOnLoadSuite, kPFCacheOnLoadSuiteVersion1);
    if (cache.granted()) cache.get<PF_CacheOnLoadSuite1>()->PF_SetNoCacheOnLoad(in_data->effect_ref, 1);
}

// A host that will not hand out the suite has been told so through the message area;
// the button then keeps the host's own name and the effect still loads.
PF_Err name_options_button(const PF_InData* in_data, PF_OutData* out_data, const EffectDefinition& definition) {
    const void* table = nullptr;
    if (acquire_scoped_suite(in_data, out_data, kPFEffectUISuite, kPFEffectUISuiteVersion1, nullptr, &table) !=
        PF_Err_NONE)
        return PF_Err_NONE;
    const PF_Err result = static_cast<const PF_EffectUISuite1*>(table)->PF_SetOptionsButtonName(
        in_data->effect_ref, definition.settings.dialogbutton.c_str());
    release_scoped_suite(in_data, out_data, kPFEffectUISuite, kPFEffectUISuiteVersion1, nullptr);
    return result;
}

// Premiere Pro renders in the formats declared here, in this order of preference.
PF_Err declare_premiere_formats(GlobalState& state, const PF_InData* in_data, PF_OutData* out_data,
                                const EffectDefinition& definition) {
    OptionalSuite formats(in_data->pica_basicP, kPFPixelFormatSuite, kPFPixelFormatSuiteVersion1);
    const PF_Err result = formats.error();
    if (formats.granted()) {
        state.pixel_format_suite = static_cast<const PF_PixelFormatSuite1*>(formats.keep());
        for (const PrPixelFormat format :
             {PrPixelFormat_BGRA_4444_32f, PrPixelFormat_BGRA_4444_32f_Linear, PrPixelFormat_BGRA_4444_8u})
            state.pixel_format_suite->AddSupportedPixelFormat(in_data->effect_ref, format);
    }
    OptionalSuite utility(in_data->pica_basicP, kPFUtilitySuite, kPFUtilitySuiteVersion4);
    if (utility.granted())
        utility.get<PF_UtilitySuite4>()->EffectWantsCheckedOutFramesToMatchRenderPixelFormat(in_data->effect_ref);
    if (definition.settings.transition) out_data->out_flags2 |= PF_OutFlag2_PRESERVES_FULLY_OPAQUE_PIXELS;
    return result;
}

// The effect itself: its definition, its renderer and what the host shows of it.
PF_Err start_effect(GlobalState& state, const PF_InData* in_data, PF_OutData* out_data, bool premiere) {
    load_definition();
    EffectDefinition& definition = effect_definition();
    state.resource_handle = nullptr;
    state.renderer = nullptr;
    state.last_sequence = nullptr;
    // A negative "usegpu" turns the GPU off: no renderer, and frames are not drawn.
    if (definition.settings.usegpu >= 0) state.renderer = create_renderer(definition);
    return premiere ? declare_premiere_formats(state, in_data, out_data, definition)
                    : name_options_button(in_data, out_data, definition);
}

}  // namespace

PF_Err global_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    const VersionWord version(out_data);
    out_data->out_flags = static_cast<PF_OutFlags>(registration::kGlobalOutFlags);
    out_data->out_flags2 = static_cast<PF_OutFlags2>(registration::kGlobalOutFlags2);
    const bool premiere = is_premiere_pro(in_data);

    SuiteCache local_suites(in_data->pica_basicP);
    PF_Err result = PF_Err_INTERNAL_STRUCT_DAMAGED;
    std::optional<NewGlobalState> global;
    try {
        // No handle, or one the host will not lock, leaves nothing to keep the effect's
        // state in: set-up fails with 512 and the host receives no global data.
        global.emplace(local_suites.handle_suite(), in_data->pica_basicP);
        if (GlobalState* state = global->state()) {
            result = begin_global_state(*state, in_data->pica_basicP);
            result = register_with_aegp(*state, local_suites, premiere, result);
            if (result == PF_Err_NONE) out_data->global_data = global->hand_over(out_data);
        }
    } catch (...) {
        // Even a set-up that cannot go on tells Premiere Pro not to cache the plug-in.
        if (premiere) refuse_cache_on_load(in_data);
        throw;
    }
    if (premiere) refuse_cache_on_load(in_data);
    if (result == PF_Err_NONE) result = start_effect(*global->state(), in_data, out_data, premiere);
    return result;
}

}  // namespace fx
