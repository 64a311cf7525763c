#include "simhost/fxhost/host_param_json.h"

#include <cstring>
#include <string>

namespace fx::fxhost {
namespace {

Json pixel_json(const PF_Pixel& pixel) {
    return Json{{"alpha", pixel.alpha}, {"red", pixel.red}, {"green", pixel.green}, {"blue", pixel.blue}};
}

// Handles and pointers are the plug-in's: null, or their address as text.
Json address_json(const void* address) { return address == nullptr ? Json() : Json(pointer_text(address)); }

// The name field is read up to its NUL and never past its end.
std::string name_text(const PF_ParamDef& def) { return std::string(def.name, strnlen(def.name, sizeof def.name)); }

// The union member's name and its members; nothing for types without one (groups).
std::pair<const char*, Json> union_member(const AddedParam& param) {
    const PF_ParamDefUnion& u = param.def.u;
    switch (param.def.param_type) {
        case PF_Param_LAYER:
            return {"ld", Json{{"dephault", u.ld.dephault}}};
        case PF_Param_FLOAT_SLIDER:
            return {"fs_d", Json{{"value", u.fs_d.value},
                                 {"phase", u.fs_d.phase},
                                 {"valid_min", json_float(u.fs_d.valid_min)},
                                 {"valid_max", json_float(u.fs_d.valid_max)},
                                 {"slider_min", json_float(u.fs_d.slider_min)},
                                 {"slider_max", json_float(u.fs_d.slider_max)},
                                 {"dephault", json_float(u.fs_d.dephault)},
                                 {"precision", u.fs_d.precision},
                                 {"display_flags", u.fs_d.display_flags},
                                 {"fs_flags", u.fs_d.fs_flags},
                                 {"curve_tolerance", json_float(u.fs_d.curve_tolerance)},
                                 {"useExponent", u.fs_d.useExponent},
                                 {"exponent", json_float(u.fs_d.exponent)}}};
        case PF_Param_CHECKBOX:
            return {"bd",
                    Json{{"value", u.bd.value}, {"dephault", u.bd.dephault}, {"nameptr", json_string(param.items)}}};
        case PF_Param_POPUP:
            return {"pd", Json{{"value", u.pd.value},
                               {"num_choices", u.pd.num_choices},
                               {"dephault", u.pd.dephault},
                               {"namesptr", json_string(param.items)}}};
        case PF_Param_COLOR:
            return {"cd", Json{{"value", pixel_json(u.cd.value)}, {"dephault", pixel_json(u.cd.dephault)}}};
        case PF_Param_ANGLE:
            return {"ad", Json{{"value", u.ad.value},
                               {"dephault", u.ad.dephault},
                               {"valid_min", u.ad.valid_min},
                               {"valid_max", u.ad.valid_max}}};
        case PF_Param_POINT:
            return {"td", Json{{"x_value", u.td.x_value},
                               {"y_value", u.td.y_value},
                               {"restrict_bounds", u.td.restrict_bounds},
                               {"x_dephault", u.td.x_dephault},
                               {"y_dephault", u.td.y_dephault}}};
        case PF_Param_POINT_3D:
            return {"point3d_d", Json{{"x_value", u.point3d_d.x_value},
                                      {"y_value", u.point3d_d.y_value},
                                      {"z_value", u.point3d_d.z_value},
                                      {"x_dephault", u.point3d_d.x_dephault},
                                      {"y_dephault", u.point3d_d.y_dephault},
                                      {"z_dephault", u.point3d_d.z_dephault}}};
        case PF_Param_BUTTON:
            return {"button_d", Json{{"value", u.button_d.value}, {"namesptr", json_string(param.items)}}};
        case PF_Param_ARBITRARY_DATA:
            return {"arb_d", Json{{"id", u.arb_d.id},
                                  {"dephault", address_json(u.arb_d.dephault)},
                                  {"value", address_json(u.arb_d.value)},
                                  {"refconPV", address_json(u.arb_d.refconPV)}}};
        case PF_Param_PATH:
            return {"path_d", Json{{"path_id", u.path_d.path_id}, {"dephault", u.path_d.dephault}}};
        default:
            return {nullptr, Json()};
    }
}

}  // namespace

Json host_param_json(const AddedParam& param) {
    const PF_ParamDef& def = param.def;
    Json json = Json::object();
    json["param_type"] = def.param_type;
    json["name"] = json_string(name_text(def));
    json["flags"] = def.flags;
    json["ui_flags"] = def.ui_flags;
    json["ui_width"] = def.ui_width;
    json["ui_height"] = def.ui_height;
    json["id"] = def.uu.id;
    auto [member, members] = union_member(param);
    if (member != nullptr) json[member] = std::move(members);
    return json;
}

Json host_param_value_json(const AddedParam& param) {
    Json json = Json::object();
    json["name"] = json_string(name_text(param.def));
    json["param_type"] = param.def.param_type;
    json["id"] = param.id;
    auto [member, members] = union_member(param);
    if (member == nullptr) return json;
    Json value = Json::object();
    for (const char* key : {"value", "x_value", "y_value", "z_value", "path_id"})
        if (members.contains(key)) value[key] = members[key];
    json[member] = std::move(value);
    return json;
}

Json custom_ui_json(const PF_CustomUIInfo& info) {
    return Json{{"events", info.events},
                {"comp_ui_width", info.comp_ui_width},
                {"comp_ui_height", info.comp_ui_height},
                {"comp_ui_alignment", info.comp_ui_alignment},
                {"layer_ui_width", info.layer_ui_width},
                {"layer_ui_height", info.layer_ui_height},
                {"layer_ui_alignment", info.layer_ui_alignment},
                {"preview_ui_width", info.preview_ui_width},
                {"preview_ui_height", info.preview_ui_height},
                {"preview_ui_alignment", info.preview_ui_alignment}};
}

}  // namespace fx::fxhost
