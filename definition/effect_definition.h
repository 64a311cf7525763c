#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "definition/effect_settings.h"
#include "definition/param_def.h"
#include "definition/text.h"

namespace fx {

inline constexpr int kSlotCount = 256;

// The in-memory model of one effect definition: parameter slots, shader and script
// sources, settings and routing. The process keeps exactly one (effect_definition());
// tests build their own.
class EffectDefinition {
public:
    EffectDefinition() = default;
    EffectDefinition(const EffectDefinition&) = delete;
    EffectDefinition& operator=(const EffectDefinition&) = delete;
    virtual ~EffectDefinition() = default;

    // Puts slot `slot` back to its reset state; an index outside 0..255 is ignored.
    void reset_slot(int32_t slot);
    void reset_settings();
    // All pass, script and vertex sources become "".
    void reset_sources();
    // Slot among 0 .. param_count - 1 whose `param` or `display` equals `name` exactly
    // (first match wins), or -1.
    int32_t find_param(std::string_view name) const;
    // Fills the slot's `items` from "|"-separated text (pieces trimmed of spaces and tabs,
    // empty pieces dropped), sets `min` 0 and `max` = count - 1; returns the count.
    // An index outside 0..255 changes nothing and returns 0. At most kMaxPopupItems items
    // are kept; the rest are dropped and reported.
    int32_t set_items(int32_t slot, std::string_view text);

    Text pass_source[kPassSlots];      // fragment shader of pass 0..31
    Text script_source[kScriptSlots];  // script sections 0..31
    Text vertex_source;
    ParamDef params[kSlotCount];
    EffectSettings settings;
    std::vector<int32_t> input_slots;  // texture input slots in order; written by parameter registration
};

// The process-wide definition, constructed when the library is loaded.
EffectDefinition& effect_definition();

}  // namespace fx
