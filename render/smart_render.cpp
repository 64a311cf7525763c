// PF_Cmd_SMART_RENDER: the layers checked out at pre-render time fetched as pixels, the
// output checked out, and the frame drawn from the values kept in the pre-render block.
#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "definition/effect_definition.h"
#include "host/global_state.h"
#include "render/frame_render.h"
#include "render/gl/frame_params.h"
#include "render/locked_record.h"
#include "render/parameter_conversion.h"
#include "render/pre_render_block.h"
#include "render/render_drivers.h"

namespace fx {

PF_Err on_smart_render(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra) {
    if (in_data == nullptr || out_data == nullptr || extra == nullptr || extra->input == nullptr ||
        extra->cb == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    LockedRecord<GlobalState> global(in_data, in_data->global_data);
    auto block_handle = static_cast<PF_Handle>(extra->input->pre_render_data);
    std::optional<LockedRecord<PreRenderBlock>> block_lock;
    block_lock.emplace(in_data, block_handle);
    PreRenderBlock* block = block_lock->get();
    if (block == nullptr) return PF_Err_NONE;

    EffectDefinition& definition = effect_definition();
    const int count = std::clamp(definition.settings.param_count, 1, kSlotCount);
    PF_Err err = PF_Err_NONE;
    int layer = 0;
    for (int slot = 0; slot < count; ++slot) {
        if (definition.params[slot].type != kParamLayer) continue;
        const int k = layer++;
        PF_ParamDef& entry = block->params[slot];
        std::memset(static_cast<void*>(&entry), 0, sizeof entry);
        if (k >= block->layer_checkout_count || err != PF_Err_NONE) continue;
        PF_EffectWorld* world = nullptr;
        err = extra->cb->checkout_layer_pixels(in_data->effect_ref, slot, &world);
        // A layer the host has no pixels for shows the effect's own input.
        if (world != nullptr) {
            entry.u.ld = *world;
        } else {
            entry.u.ld = block->params[0].u.ld;
        }
    }
    PF_EffectWorld* output = nullptr;
    const PF_Err output_err = extra->cb->checkout_output(in_data->effect_ref, &output);
    if (err != PF_Err_NONE) return err;
    if (output_err != PF_Err_NONE) return output_err;

    auto frame = std::make_unique<FrameParams>();
    frame->upload_count = block->layer_checkout_count;
    frame->smooth = definition.settings.smooth;
    frame->range = definition.settings.range;
    frame->repeat = definition.settings.repeat;
    std::vector<PF_EffectWorld*> input_worlds;
    convert_parameters(*in_data, definition, block->params, *frame, input_worlds);
    PF_Err status = in_data->inter.abort(in_data->effect_ref);
    // The block's layer worlds stay valid while it is unlocked: they are copies of the
    // host's world records, whose pixels the host keeps until the command returns.
    std::vector<PF_EffectWorld> worlds;
    worlds.reserve(input_worlds.size());
    for (PF_EffectWorld*& world : input_worlds) {
        if (world == nullptr) continue;
        worlds.push_back(*world);
        world = &worlds.back();
    }
    block_lock.reset();
    if (status == PF_Err_NONE) status = render_frame(in_data, out_data, *frame, input_worlds, output);
    return status;
}

}  // namespace fx
