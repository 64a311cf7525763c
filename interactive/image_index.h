#pragma once
#include <algorithm>

#include "definition/effect_definition.h"

namespace fx {

// The image parameter slot `index` is, counted among the image slots 0 .. index from 0.
inline int image_index_of(const EffectDefinition& definition, int index) {
    int count = 0;
    for (int j = 0; j <= index && j < kSlotCount; ++j) count += definition.params[j].type == kParamImage ? 1 : 0;
    return std::max(count - 1, 0);
}

}  // namespace fx
