#pragma once

#include <stdexcept>
#include <string_view>

#include "definition/effect_settings.h"

namespace fx {

// Raised for a routing key too short to name its input unit ("ps1_i"); the parser reports
// the line and stops reading lines.
class RoutingKeyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Applies one key line of the "[routing]" section: psN_out, psN_dow, psN_smo, psN_loo
// (only the three characters after "_" count) and psN_inM for anything else, M read from
// the third character after "_". Keys of another form are ignored, and so are pass and
// unit numbers outside 0..31, which have no storage.
void apply_routing_key(EffectSettings& settings, std::string_view key, std::string_view value);

}  // namespace fx
