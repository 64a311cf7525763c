#include "host/host_message.h"

#include <cstdio>

#include "AE_EffectCB.h"

namespace fx {

void report_host_message(const PF_InData* in_data, PF_OutData* out_data, const char* text) noexcept {
    if (out_data == nullptr) return;
    out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
    // The text is passed as an argument, never as the format, so that it arrives as written.
    if (in_data != nullptr && in_data->utils != nullptr && in_data->utils->ansi.sprintf != nullptr) {
        in_data->utils->ansi.sprintf(out_data->return_msg, "%s", text);
        return;
    }
    // A host without the callback still gets the message, cut to its area.
    std::snprintf(out_data->return_msg, sizeof out_data->return_msg, "%s", text);
}

}  // namespace fx
