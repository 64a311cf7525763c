// fxhost panel [--definition FILE] [--premiere] [--project FILE] [--answers FILE] [--png FILE] [ACTION]...
// [--save-project FILE]: applies the effect in the simulated host (or reopens the project
// FILE as the host reopens a saved project), then acts as a user in the effect panel would, one action
// after the other, each delivered as the host delivers it:
//   --set NAME=VALUE  change a value, then PF_Cmd_USER_CHANGED_PARAM
//   --press NAME      PF_Cmd_USER_CHANGED_PARAM for a button or text parameter
//   --update          PF_Cmd_UPDATE_PARAMS_UI
//   --click NAME X,Y  a click on a custom control at control-relative pixels, with the
//                     left mouse button held, as PF_Cmd_EVENT
// Dialogs take their answers from the answers file. With --png FILE the panel is also
// written as a picture, its custom controls drawn by the plug-in; --twirl GROUP shows a
// group twirled the other way than it starts (open or closed). At the end the panel's state is
// printed as JSON: every parameter with its value, ui flags, stream name and hidden flag
// and the instance's param_state, and the instance's texts and image references. With
// --save-project FILE the session is then saved as a project, which `fxhost panel
// --project`, `fxhost project load` and `fxhost render --project` reopen.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "AE_Effect.h"
#include "host/sequence_state.h"
#include "platform/environment_variable.h"
#include "simhost/custom_ui_events.h"
#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/panel_picture.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/fxhost/project_reopening.h"
#include "simhost/fxhost/project_values.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {
namespace {

struct Action {
    enum Kind { set, press, update, click } kind;
    std::string name;
    std::string value;
    std::string text;  // the argument as given, for messages
};

struct PanelOptions {
    std::string definition;
    std::string project;       // reopened instead of applying the effect anew
    std::string save_project;  // written at the end
    std::string answers;
    bool premiere = false;
    std::string png;
    std::vector<std::string> twirls;  // groups the user twirled open or closed
    std::vector<Action> actions;
};

[[noreturn]] void fail(const std::string& message) { throw std::invalid_argument(message); }

PanelOptions parse_options(const std::vector<std::string>& args) {
    PanelOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--definition" && has_value) {
            options.definition = args[++i];
        } else if (arg == "--project" && has_value) {
            options.project = args[++i];
        } else if (arg == "--save-project" && has_value) {
            options.save_project = args[++i];
        } else if (arg == "--answers" && has_value) {
            options.answers = args[++i];
        } else if (arg == "--png" && has_value) {
            options.png = args[++i];
        } else if (arg == "--twirl" && has_value) {
            options.twirls.push_back(args[++i]);
        } else if (arg == "--premiere") {
            options.premiere = true;
        } else if (arg == "--update") {
            options.actions.push_back({Action::update, "", "", arg});
        } else if (arg == "--press" && has_value) {
            options.actions.push_back({Action::press, args[i + 1], "", arg + " " + args[i + 1]});
            ++i;
        } else if (arg == "--click" && i + 2 < args.size()) {
            options.actions.push_back(
                {Action::click, args[i + 1], args[i + 2], arg + " " + args[i + 1] + " " + args[i + 2]});
            i += 2;
        } else if (arg == "--set" && has_value) {
            const std::string& pair = args[++i];
            const std::size_t eq = pair.find('=');
            if (eq == std::string::npos || eq == 0) fail("--set " + pair + ": expected NAME=VALUE");
            options.actions.push_back({Action::set, pair.substr(0, eq), pair.substr(eq + 1), "--set " + pair});
        } else {
            fail("unexpected argument \"" + arg +
                 "\", expected --definition FILE, --premiere, --project FILE, --answers FILE, --png FILE, "
                 "--save-project FILE, --twirl GROUP, --set NAME=VALUE, --press NAME, --click NAME X,Y or --update");
        }
    }
    return options;
}

// Numbers as the user writes them; the whole text must be the number.
double number(const std::string& text, const std::string& where) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) fail(where + ": \"" + text + "\" is not a number");
    return value;
}

std::vector<double> numbers(const std::string& text, std::size_t count, const std::string& where) {
    std::vector<double> values;
    std::stringstream in(text);
    std::string piece;
    while (std::getline(in, piece, ',')) values.push_back(number(piece, where));
    if (values.size() != count) fail(where + ": expected " + std::to_string(count) + " numbers separated by commas");
    return values;
}

PF_Fixed fixed(double value, const std::string& where) {
    const double scaled = std::round(value * 65536.0);
    if (!(std::fabs(scaled) < 2147483647.0)) fail(where + ": the value is out of range");
    return static_cast<PF_Fixed>(scaled);
}

A_u_char colour_byte(double value, const std::string& where) {
    if (value < 0 || value > 255 || value != std::trunc(value)) fail(where + ": colour parts are whole numbers 0-255");
    return static_cast<A_u_char>(value);
}

std::vector<std::string> popup_items(const AddedParam& param) {
    std::vector<std::string> items;
    std::stringstream in(param.items);
    std::string item;
    while (std::getline(in, item, '|')) items.push_back(item);
    return items;
}

void set_value(PF_ParamDef& def, const AddedParam& added, const std::string& value, const std::string& where) {
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER:
            def.u.fs_d.value = number(value, where);
            return;
        case PF_Param_CHECKBOX:
            if (value == "on" || value == "true" || value == "1") {
                def.u.bd.value = 1;
            } else if (value == "off" || value == "false" || value == "0") {
                def.u.bd.value = 0;
            } else {
                fail(where + ": expected on or off");
            }
            return;
        case PF_Param_POPUP: {
            const std::vector<std::string> items = popup_items(added);
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i] == value) {
                    def.u.pd.value = static_cast<A_long>(i + 1);
                    return;
                }
            const double choice = number(value, where + " (an item or its number from 1)");
            if (choice < 1 || choice > def.u.pd.num_choices || choice != std::trunc(choice))
                fail(where + ": choice numbers run from 1 to " + std::to_string(def.u.pd.num_choices));
            def.u.pd.value = static_cast<A_long>(choice);
            return;
        }
        case PF_Param_ANGLE:
            def.u.ad.value = fixed(number(value, where), where);
            return;
        case PF_Param_COLOR: {
            const std::vector<double> rgb = numbers(value, 3, where);
            def.u.cd.value = {255, colour_byte(rgb[0], where), colour_byte(rgb[1], where), colour_byte(rgb[2], where)};
            return;
        }
        case PF_Param_POINT: {
            const std::vector<double> xy = numbers(value, 2, where);
            def.u.td.x_value = fixed(xy[0], where);
            def.u.td.y_value = fixed(xy[1], where);
            return;
        }
        case PF_Param_POINT_3D: {
            const std::vector<double> xyz = numbers(value, 3, where);
            def.u.point3d_d.x_value = xyz[0];
            def.u.point3d_d.y_value = xyz[1];
            def.u.point3d_d.z_value = xyz[2];
            return;
        }
        default:
            fail(where + ": this parameter has no value to set; --press it instead");
    }
}

// The host index of the parameter the panel shows as `name` (or written as its index).
int find_param(SimHost& host, const std::string& name, const std::string& where) {
    const std::vector<AddedParam> params = host.added_params();
    for (std::size_t i = 0; i < params.size(); ++i)
        if (name == params[i].def.name) return static_cast<int>(i + 1);
    char* end = nullptr;
    const long index = std::strtol(name.c_str(), &end, 10);
    if (!name.empty() && *end == '\0' && index >= 1 && index <= static_cast<long>(params.size()))
        return static_cast<int>(index);
    fail(where + ": the panel has no parameter \"" + name + "\"");
}

const char* type_word(PF_ParamType type) {
    switch (type) {
        case PF_Param_FLOAT_SLIDER:
            return "slider";
        case PF_Param_CHECKBOX:
            return "checkbox";
        case PF_Param_POPUP:
            return "popup";
        case PF_Param_ANGLE:
            return "angle";
        case PF_Param_COLOR:
            return "color";
        case PF_Param_POINT:
            return "point";
        case PF_Param_POINT_3D:
            return "point3d";
        case PF_Param_LAYER:
            return "layer";
        case PF_Param_BUTTON:
            return "button";
        case PF_Param_GROUP_START:
            return "group start";
        case PF_Param_GROUP_END:
            return "group end";
        case PF_Param_ARBITRARY_DATA:
            return "custom";
        default:
            return "other";
    }
}

nlohmann::json value_json(const PF_ParamDef& def) {
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER:
            return def.u.fs_d.value;
        case PF_Param_CHECKBOX:
            return def.u.bd.value != 0;
        case PF_Param_POPUP:
            return def.u.pd.value;
        case PF_Param_ANGLE:
            return def.u.ad.value / 65536.0;
        case PF_Param_COLOR:
            return {def.u.cd.value.red, def.u.cd.value.green, def.u.cd.value.blue};
        case PF_Param_POINT:
            return {def.u.td.x_value / 65536.0, def.u.td.y_value / 65536.0};
        case PF_Param_POINT_3D:
            return {def.u.point3d_d.x_value, def.u.point3d_d.y_value, def.u.point3d_d.z_value};
        default:
            return nullptr;
    }
}

nlohmann::json panel_json(SimHost& host, const LoadedPlugin& plugin) {
    SequenceState state{};
    const bool have_state = [&] {
        auto* live = static_cast<SequenceState*>(host.handles().lock(plugin.sequence_data()));
        if (live == nullptr) return false;
        std::memcpy(static_cast<void*>(&state), live, sizeof state);
        host.handles().unlock(plugin.sequence_data());
        return state.is_flat == 0;
    }();
    nlohmann::json params = nlohmann::json::array();
    const std::vector<AddedParam> added = host.added_params();
    for (std::size_t i = 0; i < added.size(); ++i) {
        const PF_ParamDef& def = added[i].def;
        const int index = static_cast<int>(i + 1);
        params.push_back({{"index", index},
                          {"name", def.name},
                          {"type", type_word(def.param_type)},
                          {"value", value_json(def)},
                          {"ui_flags", def.ui_flags},
                          {"stream_name", host.stream_name(index)},
                          {"hidden", host.streams().state(index).hidden},
                          {"param_state", have_state && index < kSlotCount ? state.param_state[index] : 0}});
    }
    nlohmann::json texts = nlohmann::json::array();
    if (have_state)
        for (const char* text : state.texts) texts.push_back(text != nullptr ? nlohmann::json(text) : nullptr);
    nlohmann::json images = nlohmann::json::array();
    if (have_state)
        for (const char* path : state.image_paths) images.push_back(path != nullptr ? nlohmann::json(path) : nullptr);
    return {{"params", params}, {"texts", texts}, {"images", images}};
}

// The click of --click: the control placed at the panel's origin, so that the point is
// the same within the control and on the screen.
CommandResult click_control(LoadedPlugin& plugin, SimHost& host, int index, const Action& action) {
    const std::vector<double> xy = numbers(action.value, 2, action.text);
    for (const double v : xy)
        if (v != std::trunc(v) || std::fabs(v) > 100000) fail(action.text + ": X,Y are whole pixels");
    const PF_ParamDef def = host.added_params()[static_cast<std::size_t>(index - 1)].def;
    const PF_LRect frame{0, 0, def.ui_width, def.ui_height};
    PF_EventExtra click = click_event(index, frame, static_cast<int>(xy[0]), static_cast<int>(xy[1]));
    return deliver_click(plugin, click, MouseButton::left);
}

// Numbers with six significant digits, as the panel shows them; lists comma-separated.
std::string shown_value(const nlohmann::json& value) {
    if (value.is_number()) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value.get<double>());
        return text;
    }
    if (!value.is_array()) return "";
    std::string joined;
    for (const nlohmann::json& part : value) joined += (joined.empty() ? "" : ", ") + shown_value(part);
    return joined;
}

// Each parameter's value as the panel's picture shows it.
std::vector<std::string> value_texts(SimHost& host) {
    std::vector<std::string> texts;
    for (const AddedParam& param : host.added_params()) {
        const PF_ParamDef& def = param.def;
        const std::vector<std::string> items = popup_items(param);
        if (def.param_type == PF_Param_POPUP && def.u.pd.value >= 1 &&
            def.u.pd.value <= static_cast<A_long>(items.size())) {
            texts.push_back(items[static_cast<std::size_t>(def.u.pd.value - 1)]);
        } else if (def.param_type == PF_Param_CHECKBOX) {
            texts.push_back(def.u.bd.value != 0 ? "on" : "off");
        } else {
            texts.push_back(shown_value(value_json(def)));
        }
    }
    return texts;
}

// Tells the user what the plug-in answered when it was not plain success.
bool report(const std::string& what, const CommandResult& result) {
    if (result.shows_message()) std::cerr << "fxhost panel: " << what << ": " << result.message() << "\n";
    if (result.result != PF_Err_NONE)
        std::cerr << "fxhost panel: " << what << ": the plug-in answered error " << result.result << "\n";
    return result.result == PF_Err_NONE;
}

// The effect applied anew (global, parameter and sequence set-up), or reopened from the
// project the options name; null when a set-up failed (reported already).
std::unique_ptr<AppliedEffect> opened_effect(const PanelOptions& options) {
    const std::optional<std::string> definition =
        options.definition.empty() ? std::nullopt : std::optional<std::string>(options.definition);
    const EffectChoice choice{FX_DEFAULT_PLUGIN, options.premiere, definition};
    if (!options.project.empty()) {
        ReopenedEffect reopened = reopen_project_file(read_project_file(options.project), options.project, choice);
        if (!report("reopening " + options.project, reopened.resetup)) return nullptr;
        return std::move(reopened.effect);
    }
    auto effect = std::make_unique<AppliedEffect>(choice);
    if (!report("global set-up", effect->call(PF_Cmd_GLOBAL_SETUP)) ||
        !report("parameter set-up", effect->call(PF_Cmd_PARAMS_SETUP)))
        return nullptr;
    points_in_layer_pixels(effect->host());
    if (!report("sequence set-up", effect->call(PF_Cmd_SEQUENCE_SETUP))) return nullptr;
    return effect;
}

}  // namespace

int run_panel(const std::vector<std::string>& args) {
    const PanelOptions options = parse_options(args);
    if (!options.answers.empty()) platform::set_environment_variable("FX_DIALOG_ANSWERS", options.answers);
    // The effect is removed and the plug-in set down also when an action is refused.
    const std::unique_ptr<AppliedEffect> effect = opened_effect(options);
    if (!effect) return 1;
    SimHost& host = effect->host();
    LoadedPlugin& plugin = effect->plugin();
    bool ok = true;
    for (const Action& action : options.actions) {
        if (action.kind == Action::update) {
            ok = report(action.text, effect->call(PF_Cmd_UPDATE_PARAMS_UI)) && ok;
            continue;
        }
        const int index = find_param(host, action.name, action.text);
        if (action.kind == Action::click) {
            ok = report(action.text, click_control(plugin, host, index, action)) && ok;
            continue;
        }
        if (action.kind == Action::set) {
            const std::vector<AddedParam> added = host.added_params();
            set_value(*host.param_list()[static_cast<std::size_t>(index)], added[static_cast<std::size_t>(index - 1)],
                      action.value, action.text);
        }
        PF_UserChangedParamExtra extra{};
        extra.param_index = index;
        ok = report(action.text, effect->quietly([&] { return plugin.call(PF_Cmd_USER_CHANGED_PARAM, &extra); })) && ok;
    }
    if (!options.png.empty()) {
        std::set<int> twirled;
        for (const std::string& name : options.twirls) {
            const int index = find_param(host, name, "--twirl " + name);
            if (host.added_params()[static_cast<std::size_t>(index - 1)].def.param_type != PF_Param_GROUP_START)
                fail("--twirl " + name + ": not a group, expected the name of a group's heading");
            twirled.insert(index);
        }
        write_panel_picture(host, plugin, value_texts(host), twirled, read_plugin_definition()->settings.name.str(),
                            options.png);
    }
    const nlohmann::json state = panel_json(host, plugin);
    if (!options.save_project.empty()) {
        const ProjectFile project = effect->quietly(
            [&] { return save_as_project(host, plugin, effect->definition_origin(), host.is_premiere()); });
        write_project_file(project, options.save_project);
    }
    std::cout << state.dump(2) << "\n";
    return ok ? 0 : 1;
}

}  // namespace fx::fxhost
