// The per-instance SequenceState: set-up, flattening for the project file, re-set-up from
// the flat form and set-down. The dispatcher runs all but the flat copy under the process
// mutex and swallows what they throw.
#include <cstdlib>
#include <cstring>
#include <string>

#include "AE_EffectCB.h"
#include "definition/effect_definition.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/image_records.h"
#include "host/sequence_flat.h"
#include "host/sequence_state.h"
#include "host/suite_cache.h"
#include "interactive/image_loading.h"

namespace fx {
namespace {

// The GlobalState, locked for one command, and the handle suite the command works with:
// the record's own cache once global set-up has made it.
class SequenceCommand {
public:
    explicit SequenceCommand(const PF_InData* in_data)
        : local_(in_data->pica_basicP), global_(local_.handle_suite(), in_data->global_data) {}

    GlobalState* global() const noexcept { return global_.get(); }
    const PF_HandleSuite1* handles() {
        GlobalState* state = global_.get();
        return state != nullptr && state->suites != nullptr ? state->suites->handle_suite() : local_.handle_suite();
    }
    SequenceState* lock(PF_Handle handle) {
        return handle != nullptr ? static_cast<SequenceState*>(handles()->host_lock_handle(handle)) : nullptr;
    }
    std::size_t size(PF_Handle handle) { return static_cast<std::size_t>(handles()->host_get_handle_size(handle)); }

private:
    SuiteCache local_;
    GlobalStateLock global_;
};

// The text a text parameter starts with: its declared entries, "|"-separated.
std::string default_text(const ParamDef& slot) {
    std::string text;
    for (std::size_t i = 0; i < slot.items.size(); ++i) text += (i == 0 ? "" : "|") + slot.items[i];
    return text;
}

void fill_new_live(SequenceState& live, const EffectDefinition& definition, PF_InData* in_data, PF_OutData* out_data,
                   PF_ParamDef* params[]) {
    for (int slot = 0; slot < kSlotCount; ++slot) live.param_state[slot] = definition.params[slot].visibility;
    for (int i = 0; i < image_parameter_count(definition); ++i) {
        live.images[i] = create_image_holder(definition.settings.imgwidth, definition.settings.imgheight).release();
        live.image_paths[i] = new_text("");
        // Every image parameter starts with the placeholder picture.
        LoadImage(live, "", in_data, out_data, params, i);
    }
    if (!keeps_texts(definition)) return;
    for (char*& text : live.texts) text = new_text("");
    for (int slot = 0; slot < definition.settings.param_count && slot < kSlotCount; ++slot) {
        const ParamDef& param = definition.params[slot];
        const int index = std::abs(param.flags);
        if (param.type != kParamText || index >= kSequenceTexts) continue;
        free_text(live.texts[index]);
        live.texts[index] = new_text(default_text(param));
    }
}

}  // namespace

PF_Err sequence_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef*) {
    SequenceCommand command(in_data);
    GlobalState* global = command.global();
    if (global == nullptr) return PF_Err_NONE;
    const PF_HandleSuite1* handles = command.handles();
    // Whatever the host passed in is replaced; the same handle may come in both places.
    if (out_data->sequence_data != nullptr && out_data->sequence_data != in_data->sequence_data)
        handles->host_dispose_handle(out_data->sequence_data);
    if (in_data->sequence_data != nullptr) handles->host_dispose_handle(in_data->sequence_data);
    in_data->sequence_data = nullptr;
    out_data->sequence_data = nullptr;

    PF_Handle handle = handles->host_new_handle(sequence_state_size);
    if (handle == nullptr) return PF_Err_OUT_OF_MEMORY;
    auto* live = static_cast<SequenceState*>(handles->host_lock_handle(handle));
    if (live == nullptr) {
        // A record that cannot be filled is no record: the handle goes back at once.
        handles->host_dispose_handle(handle);
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    std::memset(static_cast<void*>(live), 0, sequence_state_size);
    global->texts_dirty = 1;
    live->is_flat = 0;
    fill_new_live(*live, effect_definition(), in_data, out_data, params);
    out_data->sequence_data = handle;
    handles->host_unlock_handle(handle);
    return PF_Err_NONE;
}

PF_Err sequence_flatten(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*, bool release_live) {
    SequenceCommand command(in_data);
    if (in_data->sequence_data == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    const PF_HandleSuite1* handles = command.handles();
    SequenceState* live = command.lock(in_data->sequence_data);
    if (live == nullptr) return PF_Err_NONE;
    const RecordKind kind = record_kind(*live, command.size(in_data->sequence_data));
    if (kind != RecordKind::live) {
        handles->host_unlock_handle(in_data->sequence_data);
        // A record that cannot be judged is not handed over as flat: the host would save
        // the live record's pointers.
        return kind == RecordKind::unknown ? PF_Err_INTERNAL_STRUCT_DAMAGED : PF_Err_NONE;
    }
    const EffectDefinition& definition = effect_definition();
    PF_Err result = PF_Err_INTERNAL_STRUCT_DAMAGED;
    if (PF_Handle flat = handles->host_new_handle(flat_size(*live, definition))) {
        if (auto* bytes = static_cast<std::uint8_t*>(handles->host_lock_handle(flat))) {
            write_flat(*live, definition, bytes);
            out_data->sequence_data = flat;
            handles->host_unlock_handle(flat);
            result = PF_Err_NONE;
        } else {
            handles->host_dispose_handle(flat);
        }
    }
    // Without a flat form the live record stays as it is, so nothing of it is lost; the
    // error tells the host the project cannot hold it.
    if (release_live && result == PF_Err_NONE) {
        free_live_contents(*live);
        handles->host_dispose_handle(in_data->sequence_data);
        in_data->sequence_data = nullptr;
        return result;
    }
    handles->host_unlock_handle(in_data->sequence_data);
    return result;
}

PF_Err sequence_resetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef*) {
    SequenceCommand command(in_data);
    const PF_HandleSuite1* handles = command.handles();
    PF_Err result = PF_Err_NONE;
    PF_Handle flat = in_data->sequence_data;
    if (const SequenceState* record = command.lock(flat)) {
        // A handle whose size is not known stays as it is, like one that finds no memory:
        // reading nothing from it would throw the saved state away.
        const A_HandleSize size = command.size(flat);
        const bool is_flat = record_kind(*record, size) == RecordKind::flat;
        PF_Handle handle = is_flat ? handles->host_new_handle(sequence_state_size) : nullptr;
        auto* live = handle != nullptr ? static_cast<SequenceState*>(handles->host_lock_handle(handle)) : nullptr;
        if (handle != nullptr && live == nullptr) {
            handles->host_dispose_handle(handle);
            result = PF_Err_INTERNAL_STRUCT_DAMAGED;
        }
        if (live != nullptr) {
            std::memset(static_cast<void*>(live), 0, sequence_state_size);
            const EffectDefinition& definition = effect_definition();
            read_flat(reinterpret_cast<const std::uint8_t*>(record), size, definition, *live);
            for (int i = 0; i < image_parameter_count(definition); ++i) {
                live->images[i] =
                    create_image_holder(definition.settings.imgwidth, definition.settings.imgheight).release();
                const std::string path = live->image_paths[i] != nullptr ? live->image_paths[i] : "";
                LoadImage(*live, path, in_data, out_data, params, i);
            }
            live->is_flat = 0;
            out_data->sequence_data = handle;
            handles->host_dispose_handle(flat);
            in_data->sequence_data = nullptr;
            handles->host_unlock_handle(handle);
        } else {
            handles->host_unlock_handle(flat);
        }
    }
    if (GlobalState* global = command.global()) global->texts_dirty = 1;
    return result;
}

PF_Err sequence_setdown(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    SequenceCommand command(in_data);
    if (in_data->sequence_data != nullptr) {
        if (SequenceState* record = command.lock(in_data->sequence_data);
            record != nullptr && record_kind(*record, command.size(in_data->sequence_data)) == RecordKind::live)
            free_live_contents(*record);
        // Disposal ends a lock taken above.
        command.handles()->host_dispose_handle(in_data->sequence_data);
    }
    in_data->sequence_data = nullptr;
    out_data->sequence_data = nullptr;
    return PF_Err_NONE;
}

}  // namespace fx
