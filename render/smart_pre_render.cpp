// PF_Cmd_SMART_PRE_RENDER: every parameter read for the frame into the pre-render block,
// each layer input checked out at its source time, and the rectangles the frame will
// cover reported to the host.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <memory>

#include "definition/effect_definition.h"
#include "host/global_state.h"
#include "host/host_error.h"
#include "host/suite_cache.h"
#include "render/checked_out_params.h"
#include "render/layer_time.h"
#include "render/locked_record.h"
#include "render/parameter_conversion.h"
#include "render/pre_render_block.h"
#include "render/render_drivers.h"

namespace fx {
namespace {

bool is_empty(const PF_LRect& r) { return r.left >= r.right || r.top >= r.bottom; }

PF_LRect united(const PF_LRect& a, const PF_LRect& b) {
    if (is_empty(a)) return b;
    if (is_empty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The host's cache key takes four bytes from us: zero, or the calendar time when every
// frame must render anew.
void mix_into_cache_key(const PF_InData* in_data, const PF_PreRenderExtra* extra, const EffectDefinition& definition) {
    if (in_data->version.major <= 12 || extra->cb == nullptr || extra->cb->GuidMixInPtr == nullptr) return;
    std::uint32_t key = 0;
    if (definition.settings.refresh) key += static_cast<std::uint32_t>(std::time(nullptr));
    extra->cb->GuidMixInPtr(in_data->effect_ref, sizeof key, &key);
}

// A new cleared block, handed to the host as its pre-render data together with the
// callback that disposes it.
PreRenderBlock* new_block(const PF_HandleSuite1* handles, PF_PreRenderExtra* extra, PF_Handle& handle) {
    handle = handles->host_new_handle(sizeof(PreRenderBlock));
    if (handle == nullptr) throw HostError(PF_Err_OUT_OF_MEMORY, "smart_pre_render: no memory for the block");
    auto* block = static_cast<PreRenderBlock*>(handles->host_lock_handle(handle));
    if (block == nullptr) {
        handles->host_dispose_handle(handle);
        throw HostError(PF_Err_OUT_OF_MEMORY, "smart_pre_render: the block cannot be locked");
    }
    std::memset(static_cast<void*>(block), 0, sizeof(PreRenderBlock));
    block->handle_suite = handles;
    extra->output->pre_render_data = handle;
    extra->output->delete_pre_render_data_func = delete_pre_render_block;
    return block;
}

class BlockLock {
public:
    BlockLock(const PF_HandleSuite1* handles, PF_Handle handle) noexcept : handles_(handles), handle_(handle) {}
    ~BlockLock() { handles_->host_unlock_handle(handle_); }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
};

}  // namespace

PF_Err on_smart_pre_render(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra) {
    if (in_data == nullptr || out_data == nullptr || extra == nullptr || extra->input == nullptr ||
        extra->output == nullptr || extra->cb == nullptr || extra->cb->checkout_layer == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const PF_RenderRequest request = extra->input->output_request;
    LockedRecord<GlobalState> global(in_data, in_data->global_data);
    if (global.get() == nullptr || global.get()->suites == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    EffectDefinition& definition = effect_definition();
    mix_into_cache_key(in_data, extra, definition);

    const PF_HandleSuite1* handles = global.get()->suites->handle_suite();
    PF_Handle handle = nullptr;
    PreRenderBlock* block = new_block(handles, extra, handle);
    const BlockLock unlock(handles, handle);
    block->layer_checkout_count = definition.settings.layer_count;

    // Values are copied into the block; the host's records go back at once, so nothing
    // stays checked out between the two halves of the frame.
    const int count = std::clamp(definition.settings.param_count, 1, kSlotCount);
    auto timing = std::make_unique<FrameParams>();
    {
        CheckedOutParams checked_out(in_data);
        bool first_float_taken = false;
        for (int slot = 0; slot < count; ++slot) {
            checked_out.checkout(slot, in_data->current_time, &block->params[slot]);
            if (definition.params[slot].type == kParamLayer) continue;
            convert_slot_value(*in_data, definition, slot, block->params[slot], *timing, first_float_taken);
            timing->upload_count = block->layer_checkout_count - 1;
            apply_special_code(definition, slot, *timing, SpecialScope::layer_timing);
            block->layer_checkout_count = timing->upload_count + 1;
        }
    }

    PF_Err err = PF_Err_NONE;
    int layer = 0;
    for (int slot = 0; slot < count && err == PF_Err_NONE; ++slot) {
        const ParamDef& def = definition.params[slot];
        if (def.type != kParamLayer) continue;
        const int k = layer++;
        if (k >= block->layer_checkout_count || k >= kFrameInputSlots) break;
        PF_RenderRequest layer_request = request;
        if (slot > 0) {
            layer_request.rect = block->results[0].max_result_rect;
            if (definition.settings.fullframe) {
                const PF_LayerDef& checked = block->params[slot].u.ld;
                layer_request.rect = {0, 0, checked.width, checked.height};
            }
        }
        const A_long time = layer_time(def, timing->time_offset_scale, timing->special_ints[k], in_data->current_time,
                                       in_data->time_step);
        err = extra->cb->checkout_layer(in_data->effect_ref, slot, slot, &layer_request, time, in_data->time_step,
                                        in_data->time_scale, &block->results[k]);
    }

    PF_PreRenderOutput& output = *extra->output;
    output.result_rect = united(output.result_rect, block->results[0].result_rect);
    output.max_result_rect = united(output.max_result_rect, block->results[0].max_result_rect);
    if (definition.settings.fullframe) {
        block->result_left = output.result_rect.left;
        block->result_top = output.result_rect.top;
        output.flags |= PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS;
        output.result_rect = {0, 0, in_data->width, in_data->height};
        output.max_result_rect = output.result_rect;
    }
    return err;
}

}  // namespace fx
