#include "simhost/fxhost/definition_json.h"

#include <algorithm>

#include "simhost/fxhost/json_values.h"

namespace fx::fxhost {
namespace {

int32_t clamped(int32_t count, int32_t low, int32_t high) { return std::clamp(count, low, high); }

Json settings_json(const EffectSettings& s) {
    Json json = Json::object();
    json["name"] = json_string(s.name.view());
    json["description"] = json_string(s.description.view());
    json["dialogbutton"] = json_string(s.dialogbutton.view());
    json["presetextension"] = json_string(s.presetextension.view());
    json["imgpath"] = json_string(s.imgpath.view());
    json["imgwidth"] = s.imgwidth;
    json["imgheight"] = s.imgheight;
    json["imgscale"] = s.imgscale;
    json["presetpath"] = json_string(s.presetpath.view());
    json["version"] = Json::array({s.version[0], s.version[1], s.version[2]});
    json["usegpu"] = s.usegpu;
    json["smooth"] = s.smooth;
    json["range"] = s.range;
    json["repeat"] = s.repeat;
    json["param_count"] = s.param_count;
    json["layer_count"] = s.layer_count;
    json["text_count"] = s.text_count;
    json["image_count"] = s.image_count;
    json["informat"] = s.informat;
    json["outformat"] = s.outformat;
    json["pass_count"] = s.pass_count;
    json["script_count"] = s.script_count;
    json["id_offset"] = s.id_offset;
    json["id_add"] = s.id_add;
    json["noinput"] = s.noinput;
    json["transition"] = s.transition;
    json["no_texts"] = s.no_texts;
    json["fullframe"] = s.fullframe;
    json["refresh"] = s.refresh;
    json["presetmode"] = s.presetmode;
    json["basedir"] = json_string(s.basedir.view());
    json["bundlename"] = json_string(s.bundlename.view());
    return json;
}

Json param_json(int32_t slot, const ParamDef& p) {
    Json json = Json::object();
    json["slot"] = slot;
    json["items"] = Json::array();
    for (const std::string& item : p.items) json["items"].push_back(json_string(item));
    json["param"] = json_string(p.param.view());
    json["text"] = json_string(p.text.view());
    json["names"] = Json::array();
    for (int i = 0; i < kDisplayNameCount; ++i) json["names"].push_back(json_string(p.display_name(i)->view()));
    json["components"] = p.components;
    json["type"] = p.type;
    json["visibility"] = p.visibility;
    json["default"] = Json::array();
    for (float v : p.default_value) json["default"].push_back(json_float(v));
    json["min"] = json_float(p.min);
    json["max"] = json_float(p.max);
    json["displaymin"] = json_float(p.displaymin);
    json["displaymax"] = json_float(p.displaymax);
    json["group"] = Json::array();
    for (int32_t g : p.group) json["group"].push_back(g);
    json["flags"] = p.flags;
    json["special"] = p.special;
    json["id"] = p.id;
    return json;
}

Json routing_json(const EffectSettings& s) {
    const int32_t passes = clamped(s.pass_count, 0, kMaxPasses);
    const int32_t units = clamped(s.layer_count, 0, kMaxInputs);
    Json json = Json::array();
    for (int32_t pass = 0; pass < passes; ++pass) {
        Json inputs = Json::array();
        for (int32_t unit = 0; unit < units; ++unit) inputs.push_back(s.pass_input[pass][unit]);
        Json entry = Json::object();
        entry["pass"] = pass;
        entry["pass_input"] = std::move(inputs);
        entry["pass_output"] = s.pass_output[pass];
        entry["pass_downsample"] = json_float(s.pass_downsample[pass]);
        entry["pass_smooth"] = s.pass_smooth[pass];
        entry["pass_loop"] = s.pass_loop[pass];
        json.push_back(std::move(entry));
    }
    return json;
}

Json preset_entries_json(const EffectSettings& s) {
    Json json = Json::array();
    for (const PresetEntry& entry : s.preset_entries)
        json.push_back(Json{{"label", json_string(entry.label)}, {"path", json_string(entry.path)}});
    return json;
}

Json preset_records_json(const EffectSettings& s) {
    Json json = Json::array();
    const int32_t records = s.preset_records ? std::max(s.preset_record_count, 0) : 0;
    for (int32_t i = 0; i < records; ++i) {
        const PresetRecord& r = s.preset_records[i];
        Json record = Json::object();
        record["popup_slot"] = r.popup_slot;
        record["choice"] = r.choice;
        record["target_slot"] = r.target_slot;
        record["x"] = json_float(r.x);
        record["y"] = json_float(r.y);
        record["z"] = json_float(r.z);
        json.push_back(std::move(record));
    }
    return json;
}

Json sources_json(const Text* sources, int32_t count) {
    Json json = Json::array();
    for (int32_t i = 0; i < count; ++i) json.push_back(json_string(sources[i].view()));
    return json;
}

}  // namespace

std::string definition_json(const EffectDefinition& def, const DescribeContext& context) {
    const EffectSettings& s = def.settings;
    Json json = Json::object();
    json["origin"] = json_string(context.origin);
    json["parser_output"] = json_string(context.parser_output);
    json["settings"] = settings_json(s);
    json["params"] = Json::array();
    const int32_t slots = clamped(s.param_count, 0, kSlotCount);
    for (int32_t slot = 0; slot < slots; ++slot) json["params"].push_back(param_json(slot, def.params[slot]));
    json["routing"] = routing_json(s);
    json["preset_entries"] = preset_entries_json(s);
    json["preset_records"] = preset_records_json(s);
    json["pass_source"] = sources_json(def.pass_source, clamped(s.pass_count, 0, kMaxPasses));
    json["script_source"] = sources_json(def.script_source, clamped(s.script_count, 0, kScriptSlots));
    json["vertex_source"] = json_string(def.vertex_source.view());
    return json_report(json);
}

}  // namespace fx::fxhost
