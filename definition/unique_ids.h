#pragma once

#include "definition/effect_definition.h"

namespace fx {

// The host keys a saved project's parameter values by parameter id, so two parameters
// with one id would overwrite each other's values. Ids repeat when a definition gives the
// same "id" twice or when ids saturate at the top of the int32 range (a huge "id" or
// "id_offset"). Among the registered slots (1 to param_count - 1, type other than "none"),
// the first slot with an id keeps it; each later slot with the same id takes the next id
// above it that no slot uses (after 2147483647 the search goes on at 1), and the parser
// reports the change. Ids that are already unique are never touched, so a definition
// without repeats keeps every id it had.
void make_ids_unique(EffectDefinition& def);

}  // namespace fx
