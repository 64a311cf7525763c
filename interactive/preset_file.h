#pragma once
// Preset files: writing the instance's values, texts, image references and visibility
// states to a file the user names, and reading such a file back into the instance.
#include <string>

#include "interactive/panel_command.h"

namespace fx {

// The folder presets are saved to and opened from first: the all-users data folder's
// basedir sub-folder, and its presetpath sub-folder when one is set.
std::string first_preset_folder(const EffectSettings& settings);

// Text entries a preset carries: the definition's text count, or more when a text
// parameter addresses a later entry, so that every text the instance shows is kept.
int preset_text_count(const EffectDefinition& definition);

// The plain preset text of the instance, every line ended by "\r\n".
std::string preset_plain_text(const PanelCommand& command);

// Asks for a file name and writes the instance's preset to it.
void SavePreset(PanelCommand& command);

// Reads and applies the preset file at `path` ("---" does nothing). A file that is not a
// whole preset changes nothing; the update pass runs and a re-render is asked for either way.
void LoadPresetFile(PanelCommand& command, const std::string& path, bool apply_visibility);

// Asks for a preset file and loads it; the button's special 666 leaves the visibility
// states as they are.
void LoadPresetDialog(PanelCommand& command, int index);

}  // namespace fx
