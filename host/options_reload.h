#pragma once
// The Options command's two reload steps, each behind one function so the command does
// not depend on how the definition is loaded or how the renderer rebuilds.

#include "AE_Effect.h"

namespace fx {

struct GlobalState;

// Loads the effect definition again into the process-wide EffectDefinition. Called with
// the process mutex held.
void reload_effect_definition();

// Has the renderer rebuild its programs from the reloaded sources and write the build log
// (or its confirmation text) into out_data->return_msg. Called with the process mutex held.
void rebuild_renderer_programs(GlobalState& state, const PF_InData* in_data, PF_OutData* out_data);

}  // namespace fx
