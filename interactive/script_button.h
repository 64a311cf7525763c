#pragma once
// Script buttons: the definition's script runs in the host's scripting engine with the
// parameters' current values, and the "name=value;" pairs it returns are written back.
#include <cstddef>
#include <string>
#include <string_view>

#include "interactive/panel_command.h"

namespace fx {

// The script buffer the host is handed holds 32,000 bytes with room for the final NUL,
// and one byte more is kept clear: a script may hold at most this many characters.
inline constexpr std::size_t kMaxScriptLength = 31998;

// One "var <param><suffix><value>;\n" line per component of every parameter.
std::string script_variable_block(const PanelCommand& command);

// Every "getParams();" in `script` replaced by `block`; a block is not searched again.
std::string substitute_params(std::string_view script, std::string_view block);

// Writes the values named in `result` ("Amount=0.25;Angle=90") into the host's records,
// marking each one named as changed.
void apply_script_result(PanelCommand& command, std::string_view result);

// Runs script `script_index` for the button at slot `index`. A script that after
// substitution is longer than kMaxScriptLength does not run and changes nothing: cutting
// it would run a different program, so the user is told instead.
void RunScriptButton(PanelCommand& command, int index, int script_index);

}  // namespace fx
