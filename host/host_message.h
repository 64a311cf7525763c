#pragma once
// Messages for the host's message area (out_data->return_msg), shown to the user when
// the display-error flag is set.

#include "AE_Effect.h"

namespace fx {

// Sets PF_OutFlag_DISPLAY_ERROR_MESSAGE and writes `text` literally (a '%' stays a
// '%') into return_msg through the host's formatted-print callback.
void report_host_message(const PF_InData* in_data, PF_OutData* out_data, const char* text) noexcept;

}  // namespace fx
