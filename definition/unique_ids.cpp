#include "definition/unique_ids.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "definition/parser_message.h"

namespace fx {
namespace {

int32_t next_free_id(const std::map<int32_t, int32_t>& used, int32_t id) {
    // At most 255 ids are taken, so the search ends within 256 steps.
    do {
        id = id == std::numeric_limits<int32_t>::max() ? 1 : id + 1;
    } while (used.count(id) != 0);
    return id;
}

}  // namespace

void make_ids_unique(EffectDefinition& def) {
    const int32_t count = std::clamp<int32_t>(def.settings.param_count, 0, kSlotCount);
    std::map<int32_t, int32_t> used;  // id -> the slot that keeps it
    std::vector<int32_t> repeats;
    for (int32_t slot = 1; slot < count; ++slot) {
        if (def.params[slot].type == kParamNone) continue;
        if (!used.emplace(def.params[slot].id, slot).second) repeats.push_back(slot);
    }
    for (const int32_t slot : repeats) {
        ParamDef& p = def.params[slot];
        const int32_t taken = p.id;
        p.id = next_free_id(used, taken);
        used.emplace(p.id, slot);
        report_parser_message("definition slot " + std::to_string(slot) + ": id " + std::to_string(taken) +
                              " is already the id of slot " + std::to_string(used.at(taken)) + "; it takes id " +
                              std::to_string(p.id));
    }
}

}  // namespace fx
