#include "simhost/fxhost/project_file.h"

#include <nettle/base64.h>

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
    if (const auto params = json.find("params"); params != json.end() && params->is_array()) project.params = *params;
    const Json& sequence = member(json, "sequence_data", path);
    if (!sequence.is_string()) refuse(path, "\"sequence_data\" is not a base64 text");
    auto bytes = base64_bytes(sequence.get<std::string>());
    if (!bytes) refuse(path, "\"sequence_data\" is not valid base64");
    project.sequence_data = std::move(*bytes);
    return project;
}

}  // namespace fx::fxhost
