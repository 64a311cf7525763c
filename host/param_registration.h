#pragma once
// Registration of a definition's parameter slots with the host, the work of
// PF_Cmd_PARAMS_SETUP (which passes the process-wide definition and the library's banner).

#include <cstddef>

#include "AE_Effect.h"

namespace fx {

class EffectDefinition;

// Adds one host parameter per slot from 1 up, rebuilds `definition.input_slots`,
// registers the custom control area when a custom control was added and writes
// out_data->num_params. `banner_size` is the stored size of the banner a "custom" slot
// shows; without a banner such a slot is written back as hidden and added as a hidden
// checkbox. Returns the first refused add_param's error, else register_ui's.
PF_Err register_params(PF_InData* in_data, PF_OutData* out_data, EffectDefinition& definition, std::size_t banner_size);

}  // namespace fx
