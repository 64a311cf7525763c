#pragma once
// What the host does with an applied effect when the user saves the project, closes it
// and opens it again: saving sends PF_Cmd_SEQUENCE_FLATTEN and keeps the bytes of the
// flat handle the plug-in hands over (they go into the project file); reopening puts
// those bytes into a new handle, hands it to the plug-in as the instance's sequence data
// and sends PF_Cmd_SEQUENCE_RESETUP.
#include <cstdint>
#include <optional>
#include <vector>

#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx {

struct ProjectSave {
    CommandResult flatten;
    // The bytes the project file keeps; nothing when the plug-in answered with an error
    // or left the instance without sequence data.
    std::optional<std::vector<std::uint8_t>> sequence_data;
};

// Flattens the instance for saving. The flat handle stays the instance's sequence data,
// as it does in the host until the project is closed or worked on again.
ProjectSave save_project(SimHost& host, LoadedPlugin& plugin);

// Hands `sequence_data` back as a saved record and re-sets the instance up from it.
CommandResult reopen_project(SimHost& host, LoadedPlugin& plugin, const std::vector<std::uint8_t>& sequence_data);

// The bytes a handle of the host holds now (empty for a handle it does not hold).
std::vector<std::uint8_t> handle_bytes(SimHost& host, PF_Handle handle);

}  // namespace fx
