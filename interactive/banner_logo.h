#pragma once
// The banner's logo as the host draws it: a 128 x 128 host handle of blue, green, red,
// alpha pixels, made from the packed logo at the first draw and kept in GlobalState
// until global teardown disposes of it.
#include "AE_EffectCBSuites.h"
#include "host/global_state.h"
#include "interactive/host_call_chain.h"

namespace fx {

inline constexpr int kLogoSide = 128;
inline constexpr int kLogoRowBytes = kLogoSide * 4;

// The logo handle, made and stored in `global` when it has none yet. Null when the
// packed logo is damaged (nothing to show) or the host cannot give a handle; the latter
// is a failed host call in `chain`.
PF_Handle logo_handle(const PF_HandleSuite1* handles, GlobalState& global, HostCallChain& chain);

}  // namespace fx
