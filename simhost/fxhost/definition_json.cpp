#include "simhost/fxhost/definition_json.h"

#include <algorithm>

#include "simhost/fxhost/json_writer.h"

namespace fx::fxhost {
namespace {

int32_t clamped(int32_t count, int32_t low, int32_t high) { return std::clamp(count, low, high); }

void write_settings(JsonWriter& json, const EffectSettings& s) {
    json.begin_object();
    json.key("name");
    json.value(s.name.view());
    json.key("description");
    json.value(s.description.view());
    json.key("dialogbutton");
    json.value(s.dialogbutton.view());
    json.key("presetextension");
    json.value(s.presetextension.view());
    json.key("imgpath");
    json.value(s.imgpath.view());
    json.key("imgwidth");
    json.value(s.imgwidth);
    json.key("imgheight");
    json.value(s.imgheight);
    json.key("imgscale");
    json.value(s.imgscale);
    json.key("presetpath");
    json.value(s.presetpath.view());
    json.key("version");
    json.begin_array(true);
    for (int32_t part : s.version) json.value(part);
    json.end_array();
    json.key("usegpu");
    json.value(s.usegpu);
    json.key("smooth");
    json.value(s.smooth);
    json.key("range");
    json.value(s.range);
    json.key("repeat");
    json.value(s.repeat);
    json.key("param_count");
    json.value(s.param_count);
    json.key("layer_count");
    json.value(s.layer_count);
    json.key("text_count");
    json.value(s.text_count);
    json.key("image_count");
    json.value(s.image_count);
    json.key("informat");
    json.value(s.informat);
    json.key("outformat");
    json.value(s.outformat);
    json.key("pass_count");
    json.value(s.pass_count);
    json.key("script_count");
    json.value(s.script_count);
    json.key("id_offset");
    json.value(s.id_offset);
    json.key("id_add");
    json.value(s.id_add);
    json.key("noinput");
    json.value(s.noinput);
    json.key("transition");
    json.value(s.transition);
    json.key("no_texts");
    json.value(s.no_texts);
    json.key("fullframe");
    json.value(s.fullframe);
    json.key("refresh");
    json.value(s.refresh);
    json.key("presetmode");
    json.value(s.presetmode);
    json.key("basedir");
    json.value(s.basedir.view());
    json.key("bundlename");
    json.value(s.bundlename.view());
    json.end_object();
}

void write_param(JsonWriter& json, int32_t slot, const ParamDef& p) {
    json.begin_object();
    json.key("slot");
    json.value(slot);
    json.key("items");
    json.begin_array();
    for (const std::string& item : p.items) json.value(item);
    json.end_array();
    json.key("param");
    json.value(p.param.view());
    json.key("text");
    json.value(p.text.view());
    json.key("names");
    json.begin_array();
    for (int i = 0; i < kDisplayNameCount; ++i) json.value(p.display_name(i)->view());
    json.end_array();
    json.key("components");
    json.value(p.components);
    json.key("type");
    json.value(p.type);
    json.key("visibility");
    json.value(p.visibility);
    json.key("default");
    json.begin_array(true);
    for (float v : p.default_value) json.value(v);
    json.end_array();
    json.key("min");
    json.value(p.min);
    json.key("max");
    json.value(p.max);
    json.key("displaymin");
    json.value(p.displaymin);
    json.key("displaymax");
    json.value(p.displaymax);
    json.key("group");
    json.begin_array(true);
    for (int32_t g : p.group) json.value(g);
    json.end_array();
    json.key("flags");
    json.value(p.flags);
    json.key("special");
    json.value(p.special);
    json.key("id");
    json.value(p.id);
    json.end_object();
}

void write_routing(JsonWriter& json, const EffectSettings& s) {
    int32_t passes = clamped(s.pass_count, 0, kMaxPasses);
    int32_t units = clamped(s.layer_count, 0, kMaxInputs);
    json.begin_array();
    for (int32_t pass = 0; pass < passes; ++pass) {
        json.begin_object();
        json.key("pass");
        json.value(pass);
        json.key("pass_input");
        json.begin_array(true);
        for (int32_t unit = 0; unit < units; ++unit) json.value(s.pass_input[pass][unit]);
        json.end_array();
        json.key("pass_output");
        json.value(s.pass_output[pass]);
        json.key("pass_downsample");
        json.value(s.pass_downsample[pass]);
        json.key("pass_smooth");
        json.value(s.pass_smooth[pass]);
        json.key("pass_loop");
        json.value(s.pass_loop[pass]);
        json.end_object();
    }
    json.end_array();
}

void write_presets(JsonWriter& json, const EffectSettings& s) {
    json.key("preset_entries");
    json.begin_array();
    for (const PresetEntry& entry : s.preset_entries) {
        json.begin_object();
        json.key("label");
        json.value(entry.label);
        json.key("path");
        json.value(entry.path);
        json.end_object();
    }
    json.end_array();
    json.key("preset_records");
    json.begin_array();
    int32_t records = s.preset_records ? std::max(s.preset_record_count, 0) : 0;
    for (int32_t i = 0; i < records; ++i) {
        const PresetRecord& r = s.preset_records[i];
        json.begin_object();
        json.key("popup_slot");
        json.value(r.popup_slot);
        json.key("choice");
        json.value(r.choice);
        json.key("target_slot");
        json.value(r.target_slot);
        json.key("x");
        json.value(r.x);
        json.key("y");
        json.value(r.y);
        json.key("z");
        json.value(r.z);
        json.end_object();
    }
    json.end_array();
}

void write_sources(JsonWriter& json, const char* key, const Text* sources, int32_t count) {
    json.key(key);
    json.begin_array();
    for (int32_t i = 0; i < count; ++i) json.value(sources[i].view());
    json.end_array();
}

}  // namespace

std::string definition_json(const EffectDefinition& def, const DescribeContext& context) {
    const EffectSettings& s = def.settings;
    JsonWriter json;
    json.begin_object();
    json.key("origin");
    json.value(context.origin);
    json.key("parser_output");
    json.value(context.parser_output);
    json.key("settings");
    write_settings(json, s);
    json.key("params");
    json.begin_array();
    int32_t slots = clamped(s.param_count, 0, kSlotCount);
    for (int32_t slot = 0; slot < slots; ++slot) write_param(json, slot, def.params[slot]);
    json.end_array();
    json.key("routing");
    write_routing(json, s);
    write_presets(json, s);
    write_sources(json, "pass_source", def.pass_source, clamped(s.pass_count, 0, kMaxPasses));
    write_sources(json, "script_source", def.script_source, clamped(s.script_count, 0, kScriptSlots));
    json.key("vertex_source");
    json.value(def.vertex_source.view());
    json.end_object();
    return json.text() + "\n";
}

}  // namespace fx::fxhost
