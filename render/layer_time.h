#pragma once
// The source time a layer input is fetched at: the slot's time offset (default x, in
// frames) and time mode (default y) applied to the frame being rendered.

#include "AE_Effect.h"

namespace fx {

class ParamDef;

// Mode 0 offsets the current time by time_step × multiplier × offset frames; mode 1
// fetches frame `offset` of the layer; any other mode holds the layer on multiples of
// `offset` frames (offset 1: the current time; 0 or less: time 0). extra_frames is added
// to the offset before it is cut to whole frames. Never negative; results beyond the
// host's time range saturate.
A_long layer_time(const ParamDef& slot, A_long offset_multiplier, A_long extra_frames, A_long current_time,
                  A_long time_step);

}  // namespace fx
