#pragma once
// What the smart pre-render of a frame hands its smart render, as the host's pre-render
// data: every parameter as checked out at pre-render time, the checkout result of each
// checked-out layer, and how many layer slots were checked out.

#include <cstdint>

#include "AE_Effect.h"
#include "AE_EffectCBSuites.h"
#include "definition/effect_definition.h"
#include "render/gl/frame_params.h"

namespace fx {

struct PreRenderBlock {
    PF_ParamDef params[kSlotCount];               // entry i for slot i
    PF_CheckoutResult results[kFrameInputSlots];  // in layer order
    std::int32_t result_left;                     // the output rectangle before the full-frame override
    std::int32_t result_top;
    std::int32_t layer_checkout_count;
    // The suite the block was made with, so that the host's deletion callback, which
    // receives nothing but the block, can give it back.
    const PF_HandleSuite1* handle_suite;
};

// The host's pre-render-data deletion callback: disposes the block's handle, so that no
// handle outlives its frame.
void delete_pre_render_block(void* pre_render_data);

}  // namespace fx
