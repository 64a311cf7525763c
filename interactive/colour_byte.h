#pragma once
// A colour part stored as a fraction (0 to 1) made the host's byte again.
#include "AE_Effect.h"

namespace fx {

// Rounded, not truncated: a byte written as byte ÷ 255 with six significant digits (as
// presets keep colours) and read back as a float lands just below the whole byte for
// about half of all bytes, so truncating would darken them a step on every round trip.
// Parts outside 0 to 1 are held at black or full, never wrapped around.
A_u_char colour_byte(double fraction);

}  // namespace fx
