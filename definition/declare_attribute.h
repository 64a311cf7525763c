#pragma once

#include <cstdint>
#include <string_view>

#include "definition/effect_definition.h"

namespace fx {

// Applies one parameter attribute (`key` lowercased, `value` trimmed) to slot `slot`:
// "name"/"display"/"name0", "name1".."name9", "param", "text"/"popup", "type", "time",
// "id", "default", "visibility", "groupswitch", "group<N>", "min", "max", "displaymin",
// "displaymax", "flags", "special". Unknown keys and type words change nothing beyond
// `param_count`. A slot outside 0..255 has no storage and is ignored entirely.
void declare_attribute(EffectDefinition& def, int32_t slot, std::string_view key, std::string_view value);

}  // namespace fx
