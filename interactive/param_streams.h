#pragma once
// The host stream behind one effect parameter, reached through a new effect reference:
// its name and hidden flag are what the host's panel shows.
#include <string>

#include "interactive/panel_command.h"

namespace fx {

struct StreamChange {
    bool set_hidden = false;  // change the hidden flag …
    bool hidden = false;      // … to this
    std::string name;         // new name; "" leaves the name
};

// Obtains the effect reference and the stream of host index `index` for `plugin_id`,
// makes the changes, and disposes both references. Every call goes through the command's
// chain; references that were obtained are disposed even after a failure.
void change_param_stream(PanelCommand& command, AEGP_PluginID plugin_id, int index, const StreamChange& change);

}  // namespace fx
