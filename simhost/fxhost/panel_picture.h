#pragma once
// The effect-control panel as a picture: each shown parameter's name and value in
// order, groups with their twirl (members indented, shown while the group is open),
// popups as a box with a down arrow, checkboxes, buttons and colour swatches as the
// host draws them, disabled parameters greyed, hidden ones left out, and every custom
// control drawn by the plug-in itself into the picture through PF_Cmd_EVENT.
#include <set>
#include <string>
#include <vector>

#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

// Writes the panel as a PNG file at `path`. `values` holds the value text shown for each
// parameter (index - 1). A group opens as registered (closed with
// PF_ParamFlag_START_COLLAPSED); `twirled` holds the host indices of the groups the
// user twirled the other way. `effect_name` heads the panel. Throws std::runtime_error naming the file when it cannot be
// written; a control the plug-in fails to draw stays blank and is reported on stderr.
void write_panel_picture(SimHost& host, LoadedPlugin& plugin, const std::vector<std::string>& values,
                         const std::set<int>& twirled, const std::string& effect_name, const std::string& path);

}  // namespace fx::fxhost
