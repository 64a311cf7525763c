#include "definition/routing_key.h"

#include <string>

#include "definition/number_text.h"

namespace fx {
namespace {

bool in_storage(int32_t index) { return index >= 0 && index < kPassSlots; }

}  // namespace

void apply_routing_key(EffectSettings& s, std::string_view key, std::string_view value) {
    if (key.substr(0, 2) != "ps") return;
    const std::size_t bar = key.find('_');
    if (bar == std::string_view::npos || bar < 3) return;
    if (key.size() < bar + 3)
        throw RoutingKeyError("routing: " + std::string(key) +
                              ": expected psN_inM, psN_out, psN_dow, psN_smo or psN_loo");
    const int32_t pass = read_int(key.substr(2, bar - 2));
    if (!in_storage(pass)) return;
    const std::string_view word = key.substr(bar + 1, 3);
    if (word == "out") {
        s.pass_output[pass] = read_int(value);
    } else if (word == "dow") {
        s.pass_downsample[pass] = read_float(value);
    } else if (word == "smo") {
        s.pass_smooth[pass] = read_int(value);
    } else if (word == "loo") {
        s.pass_loop[pass] = read_int(value);
    } else {
        const int32_t unit = read_int(key.substr(bar + 3));
        if (in_storage(unit)) s.pass_input[pass][unit] = read_int(value);
    }
}

}  // namespace fx
