#pragma once
// One frame request turned into pixels in the host's output world: the inputs staged,
// the text defines re-applied, the passes run on the renderer and the last pass read
// back and converted into the output's pixel format.

#include <vector>

#include "AE_Effect.h"
#include "render/gl/frame_params.h"

namespace fx {

// Flags value of a layer slot that is staged and uploaded even while disabled or hidden.
inline constexpr int kAlwaysStagedLayerFlags = 555;

// input_worlds holds one entry per texture input of the definition, in input order: the
// host layer's world, or null for an image slot. Returns the host error code; throws
// HostError 13 after telling the user when the host has no sequence data suite to find
// the instance's data with. Every buffer it allocates is released before it returns.
PF_Err render_frame(PF_InData* in_data, PF_OutData* out_data, FrameParams& frame,
                    std::vector<PF_EffectWorld*>& input_worlds, PF_EffectWorld* output_world);

}  // namespace fx
