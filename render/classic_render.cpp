// PF_Cmd_RENDER: parameters and layers checked out for the current frame, then drawn in
// one command.
#include <algorithm>
#include <memory>
#include <vector>

#include "definition/effect_definition.h"
#include "render/checked_out_params.h"
#include "render/frame_render.h"
#include "render/gl/frame_params.h"
#include "render/layer_time.h"
#include "render/parameter_conversion.h"
#include "render/render_drivers.h"

namespace fx {

PF_Err on_render(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output) {
    if (in_data == nullptr || out_data == nullptr || params == nullptr || params[0] == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    EffectDefinition& definition = effect_definition();
    auto frame = std::make_unique<FrameParams>();
    frame->smooth = definition.settings.smooth;
    frame->range = definition.settings.range;
    frame->repeat = definition.settings.repeat;

    const int count = std::clamp(definition.settings.param_count, 1, kSlotCount);
    std::vector<PF_ParamDef> copies(static_cast<std::size_t>(count));
    copies[0] = *params[0];
    CheckedOutParams checked_out(in_data);
    bool first_float_taken = false;
    // The checkout results are not examined: a parameter the host would not give keeps
    // its zeroed record, and a layer without pixels is replaced by the effect's input.
    for (int slot = 1; slot < count; ++slot) {
        const ParamDef& def = definition.params[slot];
        PF_ParamDef& copy = copies[static_cast<std::size_t>(slot)];
        if (def.type == kParamLayer) {
            const A_long time = layer_time(def, frame->time_offset_scale, 0, in_data->current_time, in_data->time_step);
            checked_out.checkout(slot, time, &copy);
            if (copy.u.ld.data == nullptr) copy = copies[0];
            continue;
        }
        checked_out.checkout(slot, in_data->current_time, &copy);
        // The time offset multiplier acts on the layer slots after it.
        convert_slot_value(*in_data, definition, slot, copy, *frame, first_float_taken);
        apply_special_code(definition, slot, *frame, SpecialScope::layer_timing);
    }

    std::vector<PF_EffectWorld*> input_worlds;
    convert_parameters(*in_data, definition, copies.data(), *frame, input_worlds);
    PF_Err status = in_data->inter.abort(in_data->effect_ref);
    if (status == PF_Err_NONE) status = render_frame(in_data, out_data, *frame, input_worlds, output);
    return status;
}

}  // namespace fx
