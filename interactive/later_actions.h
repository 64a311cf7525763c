#pragma once
// The image actions of a parameter change; the preset actions are in preset_actions.cpp.
#include <string>

#include "interactive/panel_command.h"

namespace fx {

// Loads the image file at `path` into image parameter `image_index`.
void load_image_parameter(PanelCommand& command, const std::string& path, int image_index);

// Applies the preset file at `position` of the preset-file list; the file's visibility
// line is applied when `apply_visibility` is set.
void load_listed_preset(PanelCommand& command, int position, bool apply_visibility);

// The preset buttons: choose a preset file and load it, or save the current values to one.
void load_preset_from_file(PanelCommand& command, int index);
void save_preset_to_file(PanelCommand& command, int index);

}  // namespace fx
