#pragma once

#include <string_view>

#include "definition/effect_settings.h"

namespace fx {

// Applies one key line of the "[settings]" section (`key` lowercased, `value` trimmed).
// Unknown keys are ignored; a key given twice keeps its last value.
void apply_settings_key(EffectSettings& settings, std::string_view key, std::string_view value);

}  // namespace fx
