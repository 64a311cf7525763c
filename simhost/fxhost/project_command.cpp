// fxhost project save [--definition FILE] [--premiere] [--plugin FILE] --output PROJECT
// fxhost project load PROJECT [--definition FILE] [--plugin FILE]
//
// save applies the effect to a layer (global set-up, parameter set-up, sequence set-up),
// saves the project (PF_Cmd_SEQUENCE_FLATTEN, keeping the flat bytes), closes it and
// writes PROJECT. load reopens PROJECT as the host does (global and parameter set-up,
// then PF_Cmd_SEQUENCE_RESETUP from the saved bytes, under the definition given now or
// else the one the project names) and prints the restored instance as JSON.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "definition/loader/load_definition.h"
#include "definition/loader/read_file.h"
#include "host/sequence_state.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/cli_arguments.h"
#include "simhost/fxhost/host_param_json.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/saved_project.h"

namespace fx::fxhost {
namespace {

constexpr const char* kUsage =
    "project save [--definition FILE] [--premiere] [--plugin FILE] --output PROJECT | project load PROJECT "
    "[--definition FILE] [--plugin FILE]";

// Runs one command that the rest depends on; its failure stops the subcommand.
CommandResult required(AppliedEffect& effect, PF_Cmd cmd, const char* what) {
    CommandResult result = effect.call(cmd);
    if (result.result != PF_Err_NONE) {
        std::string message = what + std::string(" answered error ") + std::to_string(result.result);
        if (!result.message().empty()) message += " (\"" + result.message() + "\")";
        throw CommandFailure(message);
    }
    return result;
}

std::string absolute_path(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.string();
}

int save(const EffectChoice& choice, const std::string& output) {
    AppliedEffect effect(choice);
    required(effect, PF_Cmd_GLOBAL_SETUP, "global set-up");
    required(effect, PF_Cmd_PARAMS_SETUP, "parameter set-up");
    required(effect, PF_Cmd_SEQUENCE_SETUP, "sequence set-up");
    const ProjectSave saved = effect.quietly([&] { return save_project(effect.host(), effect.plugin()); });
    if (!saved.sequence_data)
        throw CommandFailure("saving: PF_Cmd_SEQUENCE_FLATTEN answered error " + std::to_string(saved.flatten.result) +
                             " and handed over no flat sequence data");

    ProjectFile project;
    if (!effect.definition_origin().empty()) project.definition = absolute_path(effect.definition_origin());
    project.premiere = choice.premiere;
    for (const AddedParam& param : effect.host().added_params()) project.params.push_back(host_param_value_json(param));
    project.sequence_data = *saved.sequence_data;
    effect.close();

    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << json_report(project_json(project));
    file.close();
    if (!file) throw CommandFailure(output + ": cannot be written");
    std::cout << "saved " << output << ": " << project.params.size() << " parameters, " << project.sequence_data.size()
              << " bytes of sequence data\n";
    return 0;
}

// Puts the saved values back into the host's parameter list, where a saved entry still
// describes the parameter at its place (same type and id); the count of the others.
int restore_values(SimHost& host, const Json& saved) {
    std::vector<PF_ParamDef*> params = host.param_list();  // [0] is the input layer
    int skipped = 0;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const Json& entry = saved[i];
        PF_ParamDef* def = i + 1 < params.size() ? params[i + 1] : nullptr;
        if (def == nullptr || !entry.is_object() || entry.value("param_type", -1) != def->param_type ||
            entry.value("id", -1) != def->uu.id) {
            ++skipped;
            continue;
        }
        try {
            PF_ParamDefUnion& u = def->u;
            if (const auto fs = entry.find("fs_d"); fs != entry.end()) u.fs_d.value = fs->at("value").get<double>();
            if (const auto bd = entry.find("bd"); bd != entry.end()) u.bd.value = bd->at("value").get<A_long>();
            if (const auto pd = entry.find("pd"); pd != entry.end()) u.pd.value = pd->at("value").get<A_long>();
            if (const auto ad = entry.find("ad"); ad != entry.end()) u.ad.value = ad->at("value").get<A_long>();
            if (const auto td = entry.find("td"); td != entry.end()) {
                u.td.x_value = td->at("x_value").get<A_long>();
                u.td.y_value = td->at("y_value").get<A_long>();
            }
            if (const auto p3 = entry.find("point3d_d"); p3 != entry.end()) {
                u.point3d_d.x_value = p3->at("x_value").get<double>();
                u.point3d_d.y_value = p3->at("y_value").get<double>();
                u.point3d_d.z_value = p3->at("z_value").get<double>();
            }
            if (const auto cd = entry.find("cd"); cd != entry.end()) {
                const Json& v = cd->at("value");
                u.cd.value = PF_Pixel{v.at("alpha").get<A_u_char>(), v.at("red").get<A_u_char>(),
                                      v.at("green").get<A_u_char>(), v.at("blue").get<A_u_char>()};
            }
        } catch (const Json::exception&) {
            ++skipped;  // a damaged entry keeps the parameter's default
        }
    }
    return skipped;
}

// The live record the instance holds after re-set-up, read as the host's memory holds it.
Json instance_json(SimHost& host, PF_Handle handle, A_long num_params) {
    const auto size = host.handles().size(handle);
    auto* record = static_cast<const SequenceState*>(handle != nullptr ? host.handles().lock(handle) : nullptr);
    if (record == nullptr) return Json();
    Json json = Json::object();
    const bool live = size && record_kind(*record, static_cast<std::size_t>(*size)) == RecordKind::live;
    json["live"] = live;
    if (live) {
        Json states = Json::array();
        for (A_long slot = 0; slot < num_params && slot < kSlotCount; ++slot)
            states.push_back(record->param_state[slot]);
        json["param_state"] = std::move(states);
        Json texts = Json::array();
        if (record->texts[0] != nullptr)
            for (const char* text : record->texts) texts.push_back(text != nullptr ? json_string(text) : Json());
        json["texts"] = std::move(texts);
        Json paths = Json::array();
        for (const char* path : record->image_paths) {
            if (path == nullptr) break;
            paths.push_back(json_string(path));
        }
        json["image_paths"] = std::move(paths);
    }
    host.handles().unlock(handle);
    return json;
}

int load(const std::string& path, const std::optional<std::string>& definition, const std::string& plugin) {
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other)
        throw CommandFailure(path + ": not a regular file (a folder, pipe or device), expected a project file");
    if (platform::open_regular_file(path) == nullptr)
        throw CommandFailure(path + ": cannot be read, expected a project file");
    const ProjectFile project = read_project(read_file(path), path);
    // Only flat records come out of a project: bytes that would read as a live record
    // carry another process's pointers, which set-down would free.
    const std::size_t flag_at = offsetof(SequenceState, is_flat);
    if (project.sequence_data.size() > flag_at && project.sequence_data[flag_at] != 1)
        throw CommandFailure(path + ": \"sequence_data\" is not a flat record (byte " + std::to_string(flag_at) +
                             " is " + std::to_string(project.sequence_data[flag_at]) + ", expected 1)");

    EffectChoice choice{plugin, project.premiere, definition ? definition : project.definition};
    if (!choice.definition) unsetenv(kDefinitionFileVariable);  // the project was saved under the built-in text
    std::unique_ptr<AppliedEffect> opened;
    try {
        opened = std::make_unique<AppliedEffect>(choice);
    } catch (const CommandFailure& failure) {
        if (definition || !project.definition) throw;
        throw CommandFailure(std::string(failure.what()) + " (the definition the project " + path +
                             " was saved under; give --definition FILE to reopen it under another)");
    }
    AppliedEffect& effect = *opened;
    required(effect, PF_Cmd_GLOBAL_SETUP, "global set-up");
    const CommandResult params = required(effect, PF_Cmd_PARAMS_SETUP, "parameter set-up");
    const int skipped = restore_values(effect.host(), project.params);
    const CommandResult resetup =
        effect.quietly([&] { return reopen_project(effect.host(), effect.plugin(), project.sequence_data); });

    Json report = Json::object();
    report["project"] = json_string(path);
    report["definition"] = effect.definition_origin().empty() ? Json() : json_string(effect.definition_origin());
    report["host"] = host_name(project.premiere);
    report["resetup"] = Json{{"result", resetup.result}};
    report["instance"] = instance_json(effect.host(), effect.plugin().sequence_data(), params.out.num_params);
    Json values = Json::array();
    for (const AddedParam& param : effect.host().added_params()) values.push_back(host_param_value_json(param));
    report["params"] = std::move(values);
    report["params_not_restored"] = skipped;
    effect.close();
    report["host_account"] = effect.host_account();
    std::cout << json_report(report);
    return resetup.result == PF_Err_NONE && std::cout.good() ? 0 : 1;
}

}  // namespace

int run_project(const std::vector<std::string>& args) {
    CLI::App app{"Save an applied effect into a project file, or reopen one", "fxhost project"};
    app.require_subcommand(1);
    EffectChoice choice{FX_DEFAULT_PLUGIN, false, std::nullopt};
    std::string definition;
    std::string output;
    std::string project;

    CLI::App* save_command = app.add_subcommand("save", "apply the effect, save the project and write PROJECT");
    CLI::Option* save_definition = save_command->add_option("--definition", definition, "the definition file");
    save_command->add_flag("--premiere", choice.premiere, "run as the editing host");
    save_command->add_option("--plugin", choice.plugin, "the plug-in library");
    save_command->add_option("--output", output, "the project file to write")->required();

    CLI::App* load_command = app.add_subcommand("load", "reopen PROJECT and print the restored instance as JSON");
    load_command->add_option("PROJECT", project, "the project file")->required();
    CLI::Option* load_definition =
        load_command->add_option("--definition", definition, "the definition to reopen under");
    load_command->add_option("--plugin", choice.plugin, "the plug-in library");

    if (auto status = parse_arguments(app, "project", kUsage, args)) return *status;
    if (save_command->parsed()) {
        if (save_definition->count() > 0) choice.definition = definition;
        return save(choice, output);
    }
    return load(project, load_definition->count() > 0 ? std::optional<std::string>(definition) : std::nullopt,
                choice.plugin);
}

}  // namespace fx::fxhost
