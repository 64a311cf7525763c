#pragma once
// Giving back everything a GlobalState owns: the renderer, its resource handle, its
// suite cache and the two suites it keeps. Global teardown does it, and so does a
// global set-up that fails before the host has taken the record.

#include "AE_EffectCBSuites.h"
#include "SPBasic.h"

namespace fx {

struct GlobalState;

// In this order: the renderer (each of its release steps guarded), the resource handle,
// the suite cache (which releases what it acquired), the pixel format suite and the
// world suite. Every pointer it frees is cleared. Never throws.
void release_global_state(GlobalState& state, const PF_HandleSuite1* handles, const SPBasicSuite* basic) noexcept;

}  // namespace fx
