#pragma once
// A parameter as the host keeps it, as JSON under the effect SDK's own names: the
// record's common members, then the type's union member ("fs_d", "bd", "pd", "ld", "cd",
// "ad", "td", "point3d_d", "button_d", "arb_d", "path_d") with its members. Labels and
// popup items ("nameptr", "namesptr") are the host's copy of the text; handles are null
// or their address as text.
#include "AE_Effect.h"
#include "simhost/fxhost/json_values.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

Json host_param_json(const AddedParam& param);

// Only the value of the parameter, under the same union member name: what a project
// keeps of it.
Json host_param_value_json(const AddedParam& param);

// The custom-UI registration the host received.
Json custom_ui_json(const PF_CustomUIInfo& info);

}  // namespace fx::fxhost
