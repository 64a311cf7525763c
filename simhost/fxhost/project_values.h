#pragma once
// What a project keeps of an applied effect besides the plug-in's own record: every
// parameter's value as the host holds it, and putting those values back when the project
// is reopened, into the panel's parameter list or into the values a render reads.
#include <optional>
#include <string>
#include <utility>

#include "simhost/fxhost/json_values.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

// A point parameter is registered with its default in percent of the layer; the panel
// holds, shows and hands out its value in layer pixels. Run after parameter set-up.
void points_in_layer_pixels(SimHost& host);

// Saves the project as the host does (PF_Cmd_SEQUENCE_FLATTEN, keeping the flat bytes)
// and gathers what the project file keeps. Throws CommandFailure when the plug-in hands
// over no flat record. `definition_origin` is "" for the built-in text.
ProjectFile save_as_project(SimHost& host, LoadedPlugin& plugin, const std::string& definition_origin, bool premiere);

// Puts the saved values back into the host's parameter list, where a saved entry still
// describes the parameter at its place (same type and id); returns the count of the
// entries that did not.
int restore_values(SimHost& host, const Json& saved);

// The same, as values the host hands out at every time (what a render reads). Points
// saved on a layer of `layer_size` are moved to the same place on the host's layer.
int restore_render_values(SimHost& host, const Json& saved, std::optional<std::pair<int, int>> layer_size);

}  // namespace fx::fxhost
