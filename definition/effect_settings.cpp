#include "definition/effect_settings.h"

namespace fx {

EffectSettings::EffectSettings() : presetextension("fxpr") {
    for (auto& row : pass_input)
        for (int32_t& unit : row) unit = -1;
    for (int32_t& target : pass_output) target = -1;
    for (int32_t& filter : pass_smooth) filter = -1;
}

EffectSettings::~EffectSettings() = default;

}  // namespace fx
