#include "definition/effect_definition.h"

#include <algorithm>
#include <string>

#include "definition/parser_message.h"
#include "definition/source_bounds.h"
#include "definition/text_edit.h"

namespace fx {
namespace {

EffectDefinition g_effect_definition;

}  // namespace

EffectDefinition& effect_definition() { return g_effect_definition; }

void EffectDefinition::reset_slot(int32_t slot) {
    if (slot >= 0 && slot < kSlotCount) params[slot].reset();
}

void EffectDefinition::reset_settings() { settings.reset(); }

void EffectDefinition::reset_sources() {
    for (Text& source : pass_source) source = "";
    for (Text& source : script_source) source = "";
    vertex_source = "";
}

int32_t EffectDefinition::find_param(std::string_view name) const {
    const int32_t count = std::clamp<int32_t>(settings.param_count, 0, kSlotCount);
    for (int32_t i = 0; i < count; ++i) {
        if (params[i].param == name || params[i].display == name) return i;
    }
    return -1;
}

int32_t EffectDefinition::set_items(int32_t slot, std::string_view text) {
    if (slot < 0 || slot >= kSlotCount) return 0;
    ParamDef& def = params[slot];
    def.items.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = text.find('|', start);
        const std::string_view piece =
            trim(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start), kBlanks);
        if (!piece.empty()) {
            if (def.items.size() == static_cast<std::size_t>(kMaxPopupItems)) {
                report_parser_message("definition slot " + std::to_string(slot) + ": more than " +
                                      std::to_string(kMaxPopupItems) + " items; the items from \"" +
                                      std::string(piece.substr(0, 40)) + "\" on are dropped");
                break;
            }
            def.items.emplace_back(piece);
        }
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    const auto count = static_cast<int32_t>(def.items.size());
    def.min = 0.0f;
    def.max = static_cast<float>(count - 1);
    return count;
}

}  // namespace fx
