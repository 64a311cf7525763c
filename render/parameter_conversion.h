#pragma once
// Turns the checked-out host parameters into the frame's values: four floats per
// definition slot, the render switches set by special codes, and the list of input
// worlds (one per layer or image slot, in slot order).

#include <vector>

#include "AE_Effect.h"
#include "render/gl/frame_params.h"

namespace fx {

class EffectDefinition;

// Which special codes a call applies: all of them, or only those that decide which
// layers are checked out and when (layer checkout count, time offset multiplier and the
// integer slots), as the smart pre-render needs before any value is rendered.
enum class SpecialScope { all, layer_timing };

// values[slot] from the slot's checked-out record `param`. `first_float_taken` tracks the
// transition's progress slider, the first float slot in slot order.
void convert_slot_value(const PF_InData& in_data, const EffectDefinition& definition, int slot,
                        const PF_ParamDef& param, FrameParams& frame, bool& first_float_taken);

// Applies the slot's special code, reading the value convert_slot_value stored. Code 999
// changes the definition's usegpu setting, for every later frame too.
void apply_special_code(EffectDefinition& definition, int slot, FrameParams& frame, SpecialScope scope);

// Every slot 0 .. param_count - 1 in order: its value, its special code, and for layer
// and image slots an entry in input_worlds (the address of params[slot]'s layer world,
// or null for an image). `params` holds one record per slot.
void convert_parameters(const PF_InData& in_data, EffectDefinition& definition, PF_ParamDef* params, FrameParams& frame,
                        std::vector<PF_EffectWorld*>& input_worlds);

}  // namespace fx
