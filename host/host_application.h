#pragma once
// Which host is calling: set-up, registration, rendering and the About box differ under
// Premiere Pro, which runs the same plug-in format.

#include "AE_Effect.h"

namespace fx {

// 'PrMr', the application id Premiere Pro puts in in_data->appl_id.
inline constexpr A_long kPremiereProApplId = 0x50724D72;

inline bool is_premiere_pro(const PF_InData* in_data) noexcept {
    return in_data != nullptr && in_data->appl_id == kPremiereProApplId;
}

}  // namespace fx
