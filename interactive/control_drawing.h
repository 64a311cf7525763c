#pragma once
// Drawing of the custom controls through the host's Drawbot suites: an image parameter
// shows its thumbnail with its buttons, every other custom control the banner's logo.
#include "AE_Effect.h"
#include "AE_EffectUI.h"

namespace fx {

// Answers a PF_Event_DRAW. An image parameter without a picture is left to the host;
// otherwise the event is reported handled, also when a host call failed on the way, and
// the first failing call's code is returned.
PF_Err DrawCustomControl(PF_InData* in_data, PF_OutData* out_data, PF_EventExtra& event);

}  // namespace fx
