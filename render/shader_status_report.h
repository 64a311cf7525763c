#pragma once

#include "AE_Effect.h"

namespace fx {

class GlRenderer;

// Optionally rebuilds the renderer's programs, then writes the build log (or the
// confirmation text when the log is empty) into out_data->return_msg, cut to 200
// characters, through the host's strcpy callback when in_data offers one. True when
// the build was clean.
bool report_shader_status(GlRenderer& renderer, PF_OutData* out_data, bool rebuild, const PF_InData* in_data = nullptr);

}  // namespace fx
