#pragma once
// The project file fxhost writes and reads: JSON with the definition the effect was
// applied under, the host, the layer's size, every parameter's value as the host kept it
// and the flat sequence data the plug-in handed over, as base64.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "simhost/fxhost/json_values.h"

namespace fx::fxhost {

struct ProjectFile {
    std::optional<std::string> definition;  // the definition file; nothing for the built-in text
    bool premiere = false;
    Json params = Json::array();  // one value object per host parameter, in order
    // The layer the effect was applied to, in pixels: point values are places on it.
    // Nothing for a project that does not say.
    std::optional<std::pair<int, int>> layer_size;
    std::vector<std::uint8_t> sequence_data;
};

Json project_json(const ProjectFile& project);

// Reads a project file's text. Throws CommandFailure with a one-line reason naming
// `path` for anything that is not a project fxhost can reopen: not JSON, a member
// missing or of the wrong kind, sequence data that is not base64.
ProjectFile read_project(const std::string& text, const std::string& path);

// Reads the project file at `path` as read_project does, and also refuses with one line
// a path that is no readable regular file and sequence data that is no flat record.
ProjectFile read_project_file(const std::string& path);

// Writes `project` to `path`; throws CommandFailure when the file cannot be written.
void write_project_file(const ProjectFile& project, const std::string& path);

std::string base64_text(const std::vector<std::uint8_t>& bytes);
// Nothing when `text` is not base64.
std::optional<std::vector<std::uint8_t>> base64_bytes(const std::string& text);

}  // namespace fx::fxhost
