#pragma once
// The effect-control panel as a picture: each shown parameter's name and value in
// order, group members indented, disabled ones greyed, hidden ones left out, and every
// custom control drawn by the plug-in itself into the picture through PF_Cmd_EVENT.
#include <string>
#include <vector>

#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

// Writes the panel as a PNG file at `path`. `values` holds the value text shown for each
// parameter (index - 1). Throws std::runtime_error naming the file when it cannot be
// written; a control the plug-in fails to draw stays blank and is reported on stderr.
void write_panel_picture(SimHost& host, LoadedPlugin& plugin, const std::vector<std::string>& values,
                         const std::string& path);

}  // namespace fx::fxhost
