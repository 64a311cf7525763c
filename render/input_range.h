#pragma once
// The value range of a float host layer, for effects that map high-range input.

#include "AE_Effect.h"

namespace fx {

struct ValueRange {
    float min = 0.0f;
    float max = 1.0f;
};

// Every float of the world's rows (width × 4 a row, rows `rowbytes` apart), starting
// from the range 0 .. 1: a value above the maximum raises it, else a value below the
// minimum lowers it. NaN changes nothing. A world without pixels gives 0 .. 1.
ValueRange scan_float_range(const PF_EffectWorld& world);

}  // namespace fx
