#include "simhost/fxhost/project_file.h"

#include <nettle/base64.h>

#include <cstddef>
#include <fstream>

#include "definition/loader/read_file.h"
#include "host/sequence_state.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/applied_effect.h"

namespace fx::fxhost {
namespace {

constexpr const char* kFormat = "fxhost project";
constexpr int kFormatVersion = 1;

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    throw CommandFailure(path + ": " + why + ", expected a project file written by fxhost project save");
}

const Json& member(const Json& project, const char* key, const std::string& path) {
    const auto found = project.find(key);
    if (found == project.end()) refuse(path, std::string("no \"") + key + "\" member");
    return *found;
}

}  // namespace

std::string base64_text(const std::vector<std::uint8_t>& bytes) {
    std::string text(BASE64_ENCODE_RAW_LENGTH(bytes.size()), '\0');
    base64_encode_raw(text.data(), bytes.size(), bytes.data());
    return text;
}

std::optional<std::vector<std::uint8_t>> base64_bytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(BASE64_DECODE_LENGTH(text.size()));
    base64_decode_ctx context;
    base64_decode_init(&context);
    std::size_t length = bytes.size();
    if (!base64_decode_update(&context, &length, bytes.data(), text.size(), text.data())) return std::nullopt;
    if (!base64_decode_final(&context)) return std::nullopt;
    bytes.resize(length);
    return bytes;
}

Json project_json(const ProjectFile& project) {
    Json json = Json::object();
    json["format"] = kFormat;
    json["format_version"] = kFormatVersion;
    json["definition"] = project.definition ? json_string(*project.definition) : Json();
    json["host"] = host_name(project.premiere);
    if (project.layer_size)
        json["layer_size"] = Json{{"width", project.layer_size->first}, {"height", project.layer_size->second}};
    json["params"] = project.params;
    json["sequence_data"] = base64_text(project.sequence_data);
    return json;
}

ProjectFile read_project(const std::string& text, const std::string& path) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& error) {
        refuse(path, std::string("not JSON (") + error.what() + ")");
    }
    if (!json.is_object()) refuse(path, "not a JSON object");
    const Json& format = member(json, "format", path);
    if (format != kFormat) refuse(path, "\"format\" is not \"" + std::string(kFormat) + "\"");
    const Json& version = member(json, "format_version", path);
    if (version != kFormatVersion)
        refuse(path, "\"format_version\" " + version.dump() + " is not " + std::to_string(kFormatVersion));

    ProjectFile project;
    const Json& definition = member(json, "definition", path);
    if (definition.is_string())
        project.definition = definition.get<std::string>();
    else if (!definition.is_null())
        refuse(path, "\"definition\" is neither a path nor null");
    const Json& host = member(json, "host", path);
    if (host == host_name(true))
        project.premiere = true;
    else if (host != host_name(false))
        refuse(path, "\"host\" is neither \"after_effects\" nor \"premiere_pro\"");
    if (const auto size = json.find("layer_size"); size != json.end()) {
        const auto width = size->is_object() ? size->find("width") : size->end();
        const auto height = size->is_object() ? size->find("height") : size->end();
        if (width == size->end() || height == size->end() || !width->is_number_integer() ||
            !height->is_number_integer() || *width < 1 || *height < 1 || *width > 1000000 || *height > 1000000)
            refuse(path, "\"layer_size\" is not {\"width\": W, \"height\": H} in whole pixels");
        project.layer_size = std::pair{width->get<int>(), height->get<int>()};
    }
    if (const auto params = json.find("params"); params != json.end() && params->is_array()) project.params = *params;
    const Json& sequence = member(json, "sequence_data", path);
    if (!sequence.is_string()) refuse(path, "\"sequence_data\" is not a base64 text");
    auto bytes = base64_bytes(sequence.get<std::string>());
    if (!bytes) refuse(path, "\"sequence_data\" is not valid base64");
    project.sequence_data = std::move(*bytes);
    return project;
}

ProjectFile read_project_file(const std::string& path) {
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other)
        throw CommandFailure(path + ": not a regular file (a folder, pipe or device), expected a project file");
    if (platform::open_regular_file(path) == nullptr)
        throw CommandFailure(path + ": cannot be read, expected a project file");
    ProjectFile project = read_project(read_file(path), path);
    // Only flat records come out of a project: bytes that would read as a live record
    // carry another process's pointers, which set-down would free.
    const std::size_t flag_at = offsetof(SequenceState, is_flat);
    if (project.sequence_data.size() > flag_at && project.sequence_data[flag_at] != 1)
        throw CommandFailure(path + ": \"sequence_data\" is not a flat record (byte " + std::to_string(flag_at) +
                             " is " + std::to_string(project.sequence_data[flag_at]) + ", expected 1)");
    return project;
}

void write_project_file(const ProjectFile& project, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << json_report(project_json(project));
    file.close();
    if (!file) throw CommandFailure(path + ": cannot be written");
}

}  // namespace fx::fxhost
