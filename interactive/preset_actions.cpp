// The preset buttons and the preset-file popup of a parameter change.
#include "interactive/later_actions.h"
#include "interactive/preset_file.h"

namespace fx {

void load_listed_preset(PanelCommand& command, int position, bool apply_visibility) {
    const auto& entries = command.definition.settings.preset_entries;
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return;
    LoadPresetFile(command, entries[static_cast<std::size_t>(position)].path, apply_visibility);
}

void load_preset_from_file(PanelCommand& command, int index) { LoadPresetDialog(command, index); }

void save_preset_to_file(PanelCommand& command, int) { SavePreset(command); }

}  // namespace fx
