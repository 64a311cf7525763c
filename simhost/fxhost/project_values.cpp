#include "simhost/fxhost/project_values.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/host_param_json.h"
#include "simhost/param_timeline.h"
#include "simhost/saved_project.h"

namespace fx::fxhost {
namespace {

std::string absolute_path(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.string();
}

// Writes the value `entry` keeps into `def`; false when the entry describes another
// parameter or is damaged (then `def` keeps what it held).
bool read_saved_value(const Json& entry, const AddedParam& registered, PF_ParamDef& def) {
    if (!entry.is_object() || entry.value("param_type", -1) != registered.def.param_type ||
        entry.value("id", -1) != registered.id)
        return false;
    PF_ParamDefUnion u = def.u;
    try {
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
        return false;
    }
    def.u = u;
    return true;
}

PF_Fixed scaled(PF_Fixed value, A_long size, int saved_size) {
    const double result = std::round(static_cast<double>(value) * size / saved_size);
    return static_cast<PF_Fixed>(std::clamp(result, -2147483647.0, 2147483647.0));
}

}  // namespace

void points_in_layer_pixels(SimHost& host) {
    const std::vector<PF_ParamDef*> params = host.param_list();
    for (std::size_t index = 1; index < params.size(); ++index) {
        if (params[index]->param_type != PF_Param_POINT) continue;
        const PF_ParamDef handed_out = host.param_at(static_cast<PF_ParamIndex>(index), 0);
        params[index]->u.td.x_value = handed_out.u.td.x_value;
        params[index]->u.td.y_value = handed_out.u.td.y_value;
    }
}

ProjectFile save_as_project(SimHost& host, LoadedPlugin& plugin, const std::string& definition_origin, bool premiere) {
    const ProjectSave saved = save_project(host, plugin);
    if (!saved.sequence_data)
        throw CommandFailure("saving: PF_Cmd_SEQUENCE_FLATTEN answered error " + std::to_string(saved.flatten.result) +
                             " and handed over no flat sequence data");
    ProjectFile project;
    if (!definition_origin.empty()) project.definition = absolute_path(definition_origin);
    project.premiere = premiere;
    project.layer_size = std::pair{static_cast<int>(host.settings().width), static_cast<int>(host.settings().height)};
    for (const AddedParam& param : host.added_params()) project.params.push_back(host_param_value_json(param));
    project.sequence_data = *saved.sequence_data;
    return project;
}

int restore_values(SimHost& host, const Json& saved) {
    const std::vector<PF_ParamDef*> params = host.param_list();  // [0] is the input layer
    const std::vector<AddedParam> registered = host.added_params();
    int skipped = 0;
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (i >= registered.size() || !read_saved_value(saved[i], registered[i], *params[i + 1])) ++skipped;
    return skipped;
}

int restore_render_values(SimHost& host, const Json& saved, std::optional<std::pair<int, int>> layer_size) {
    const std::vector<AddedParam> registered = host.added_params();
    int skipped = 0;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const auto index = static_cast<PF_ParamIndex>(i + 1);
        PF_ParamDef def = host.param_at(index, 0);
        if (i >= registered.size() || !read_saved_value(saved[i], registered[i], def)) {
            ++skipped;
            continue;
        }
        // A point stays at its place on a layer of another size.
        if (def.param_type == PF_Param_POINT && layer_size) {
            def.u.td.x_value = scaled(def.u.td.x_value, host.settings().width, layer_size->first);
            def.u.td.y_value = scaled(def.u.td.y_value, host.settings().height, layer_size->second);
        }
        // A layer's value is the picture given to the render, not the project's.
        if (def.param_type != PF_Param_LAYER) host.values().set(index, def.u, ParamTimeline::kAllTimes);
    }
    return skipped;
}

}  // namespace fx::fxhost
