// fxhost describe --host [--premiere] [--definition FILE] [--plugin FILE]: loads the
// plug-in like the host, runs global set-up and parameter set-up, and prints as JSON
// what the host was told and the parameters it now shows.
#include <iostream>

#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/cli_arguments.h"
#include "simhost/fxhost/host_param_json.h"
#include "simhost/fxhost/subcommand.h"

namespace fx::fxhost {
namespace {

constexpr const char* kUsage = "describe --host [--premiere] [--definition FILE] [--plugin FILE]";

Json global_setup_json(const CommandResult& setup) {
    return Json{{"result", setup.result},
                {"out_flags", setup.out.out_flags},
                {"out_flags2", setup.out.out_flags2},
                {"my_version", setup.out.my_version}};
}

Json params_setup_json(AppliedEffect& effect, const CommandResult& setup) {
    const std::vector<PF_CustomUIInfo> registered = effect.host().registered_ui();
    return Json{{"result", setup.result},
                {"num_params", setup.out.num_params},
                {"input_slots", effect.input_slots()},
                {"register_ui", registered.empty() ? Json() : custom_ui_json(registered.back())}};
}

}  // namespace

int run_describe_host(const std::vector<std::string>& args) {
    CLI::App app{"Load the plug-in like the host, run global and parameter set-up, print what the host saw as JSON",
                 "fxhost describe --host"};
    bool host = false;
    EffectChoice choice{FX_DEFAULT_PLUGIN, false, std::nullopt};
    app.add_flag("--host", host, "describe the plug-in as the host sees it");
    app.add_flag("--premiere", choice.premiere, "run as the editing host");
    std::string definition;
    CLI::Option* definition_given = app.add_option("--definition", definition, "the definition file the plug-in loads");
    app.add_option("--plugin", choice.plugin, "the plug-in library")->capture_default_str();
    if (auto status = parse_arguments(app, "describe --host", kUsage, args)) return *status;
    if (definition_given->count() > 0) choice.definition = definition;

    AppliedEffect effect(choice);
    Json report = Json::object();
    report["host"] = host_name(choice.premiere);
    report["definition"] = effect.definition_origin().empty() ? Json() : json_string(effect.definition_origin());
    const CommandResult global = effect.call(PF_Cmd_GLOBAL_SETUP);
    report["global_setup"] = global_setup_json(global);
    report["params_setup"] = Json();
    report["params"] = Json::array();
    int status = global.result == PF_Err_NONE ? 0 : 1;
    if (global.result == PF_Err_NONE) {
        const CommandResult params = effect.call(PF_Cmd_PARAMS_SETUP);
        report["params_setup"] = params_setup_json(effect, params);
        for (const AddedParam& param : effect.host().added_params()) report["params"].push_back(host_param_json(param));
        if (params.result != PF_Err_NONE) status = 1;
    }
    effect.close();
    report["host_account"] = effect.host_account();
    std::cout << json_report(report);
    return std::cout.good() ? status : 1;
}

}  // namespace fx::fxhost
