// fxhost project save [--definition FILE] [--premiere] [--plugin FILE] --output PROJECT
// fxhost project load PROJECT [--definition FILE] [--plugin FILE]
//
// save applies the effect to a layer (global set-up, parameter set-up, sequence set-up),
// saves the project (PF_Cmd_SEQUENCE_FLATTEN, keeping the flat bytes), closes it and
// writes PROJECT. load reopens PROJECT as the host does (global and parameter set-up,
// then PF_Cmd_SEQUENCE_RESETUP from the saved bytes, under the definition given now or
// else the one the project names) and prints the restored instance as JSON.
#include <iostream>
#include <memory>

#include "definition/loader/load_definition.h"
#include "host/sequence_state.h"
#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/cli_arguments.h"
#include "simhost/fxhost/host_param_json.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/fxhost/project_reopening.h"
#include "simhost/fxhost/project_values.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/saved_project.h"

namespace fx::fxhost {
namespace {

constexpr const char* kUsage =
    "project save [--definition FILE] [--premiere] [--plugin FILE] --output PROJECT | project load PROJECT "
    "[--definition FILE] [--plugin FILE]";

int save(const EffectChoice& choice, const std::string& output) {
    AppliedEffect effect(choice);
    required(effect, PF_Cmd_GLOBAL_SETUP, "global set-up");
    required(effect, PF_Cmd_PARAMS_SETUP, "parameter set-up");
    points_in_layer_pixels(effect.host());
    required(effect, PF_Cmd_SEQUENCE_SETUP, "sequence set-up");
    const ProjectFile project = effect.quietly(
        [&] { return save_as_project(effect.host(), effect.plugin(), effect.definition_origin(), choice.premiere); });
    effect.close();
    write_project_file(project, output);
    std::cout << "saved " << output << ": " << project.params.size() << " parameters, " << project.sequence_data.size()
              << " bytes of sequence data\n";
    return 0;
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
    const ProjectFile project = read_project_file(path);
    ReopenedEffect reopened = reopen_project_file(project, path, EffectChoice{plugin, false, definition});
    AppliedEffect& effect = *reopened.effect;
    const CommandResult& resetup = reopened.resetup;

    Json report = Json::object();
    report["project"] = json_string(path);
    report["definition"] = effect.definition_origin().empty() ? Json() : json_string(effect.definition_origin());
    report["host"] = host_name(project.premiere);
    report["resetup"] = Json{{"result", resetup.result}};
    report["instance"] = instance_json(effect.host(), effect.plugin().sequence_data(), reopened.params.out.num_params);
    Json values = Json::array();
    for (const AddedParam& param : effect.host().added_params()) values.push_back(host_param_value_json(param));
    report["params"] = std::move(values);
    report["params_not_restored"] = reopened.params_not_restored;
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
