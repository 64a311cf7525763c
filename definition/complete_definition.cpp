#include "definition/complete_definition.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "definition/clean_name.h"
#include "definition/data_subfolder.h"
#include "definition/number_text.h"
#include "definition/parser_message.h"
#include "definition/preset_popup.h"
#include "definition/source_bounds.h"
#include "definition/text_edit.h"
#include "definition/unique_ids.h"

namespace fx {
namespace {

constexpr std::string_view kVersionLine = "#version 120\n";
constexpr int kDefaultImageSize = 50;

// The data folder's name: the effect name made safe as a folder name, without the
// edition words, so that every edition shares one folder.
std::string data_folder_name(std::string_view text) {
    std::string folder = clean_name(text);
    replace_all(folder, " Player", "");
    replace_all(folder, " Pro", "");
    return folder;
}

// A folder text confined below the data folders (data_subfolder); what was dropped is
// reported.
std::string confined_folder(std::string_view key, std::string_view text) {
    DataSubfolder confined = data_subfolder(text);
    if (confined.dropped)
        report_parser_message("definition settings: " + std::string(key) + " \"" + std::string(text.substr(0, 80)) +
                              "\" would leave the data folder; its \"..\", drive and absolute parts are dropped,"
                              " leaving \"" +
                              confined.folder + "\"");
    return std::move(confined.folder);
}

// A "basedir" that names no folder once confined (such as "..") counts as not given.
void complete_basedir(EffectSettings& s) {
    std::string folder;
    if (!s.basedir.empty()) folder = confined_folder("basedir", data_folder_name(s.basedir.view()));
    if (s.basedir.empty() || (folder.empty() && !data_folder_name(s.basedir.view()).empty()))
        folder = confined_folder("name", data_folder_name(s.name.view()));
    s.basedir = folder;
}

void confine_folders(EffectSettings& s) {
    complete_basedir(s);
    s.presetpath = confined_folder("presetpath", s.presetpath.view());
    s.imgpath = confined_folder("imgpath", s.imgpath.view());
}

void store_preset_records(EffectSettings& s, const ParseState& state) {
    const std::size_t count = state.preset_records.size();
    s.preset_records = std::make_unique<PresetRecord[]>(count);
    std::copy(state.preset_records.begin(), state.preset_records.end(), s.preset_records.get());
    s.preset_record_count = static_cast<int32_t>(std::min<std::size_t>(count, std::numeric_limits<int32_t>::max()));
    if (state.preset_records_dropped > 0)
        report_parser_message("definition preset sections: more than " + std::to_string(kMaxPresetRecords) +
                              " assignments; the last " + std::to_string(state.preset_records_dropped) +
                              " are dropped");
}

// "\n" written as two characters in a source becomes a line feed (shrinks, never grows).
void expand_line_feeds(std::string& source) { replace_all(source, "\\n", "\n"); }

void ensure_version_line(std::string& source) {
    if (source.find("#version") == std::string::npos) source.insert(0, kVersionLine);
}

void complete_vertex_shader(EffectSettings& s, ParseState& state, const ParseEnvironment& env) {
    if (s.pass_count == 0 || state.pass_text[0].empty()) {
        s.usegpu = 0;
        return;
    }
    if (state.vertex_text.empty())
        state.vertex_text = env.default_vertex_shader ? env.default_vertex_shader() : default_vertex_shader();
    expand_line_feeds(state.vertex_text);
}

// A pass whose text is "psN" runs pass N's shader. Copies are what could make the sources
// outgrow the text they came from, so their total is bounded.
void resolve_pass_references(const EffectSettings& s, ParseState& state) {
    std::size_t total = 0;
    for (int32_t k = 0; k < s.pass_count; ++k) total += state.pass_text[k].size();
    for (int32_t k = 1; k < s.pass_count; ++k) {
        const std::string& text = state.pass_text[k];
        if (text.compare(0, 2, "ps") != 0) continue;
        const int32_t n = read_int(std::string_view(text).substr(2));
        if (n < 0 || n >= s.pass_count) continue;
        const std::size_t resolved = total - text.size() + state.pass_text[n].size();
        if (resolved > kMaxPassSourceTotal) {
            report_parser_message("definition pass " + std::to_string(k) + ": using pass " + std::to_string(n) +
                                  " would make the shader sources of all passes longer than 16 MiB; the pass"
                                  " keeps its own text");
            continue;
        }
        total = resolved;
        state.pass_text[k] = std::string(state.pass_text[n]);
    }
}

// Buffer numbers below layer_count are the texture inputs, larger ones intermediate
// targets. Unrouted units read: pass 0 the inputs in order, later passes the previous
// pass's default target on unit 0 and buffer 0 elsewhere. A pass writes m + 1 (m = the
// largest buffer it reads) unless routed to an intermediate buffer it does not read.
void complete_routing(EffectSettings& s) {
    const int32_t units = std::clamp<int32_t>(s.layer_count, 0, kMaxInputs);
    // Saturates instead of overflowing when a routing line names a huge buffer number.
    const auto next_buffer = [](int32_t m) { return m < std::numeric_limits<int32_t>::max() ? m + 1 : m; };
    int32_t previous = 0;
    for (int32_t k = 0; k < s.pass_count; ++k) {
        int32_t* inputs = s.pass_input[k];
        int32_t m = 0;
        for (int32_t l = 0; l < units; ++l) {
            if (inputs[l] < 0) inputs[l] = k == 0 ? l : (l == 0 ? previous : 0);
            m = std::max(m, inputs[l]);
        }
        previous = next_buffer(m);
        const bool reads_own_target = std::find(inputs, inputs + units, s.pass_output[k]) != inputs + units;
        if (reads_own_target || s.pass_output[k] < units) s.pass_output[k] = next_buffer(m);
    }
}

void complete_passes(EffectSettings& s, ParseState& state) {
    for (int32_t k = 0; k < s.pass_count; ++k) {
        expand_line_feeds(state.pass_text[k]);
        ensure_version_line(state.pass_text[k]);
    }
    complete_routing(s);
}

void complete_slots(EffectDefinition& def) {
    EffectSettings& s = def.settings;
    const int32_t count = std::clamp<int32_t>(s.param_count, 0, kSlotCount);
    int64_t assigned = 0;
    for (int32_t i = 1; i < count; ++i) {
        ParamDef& p = def.params[i];
        if (p.id < 0) {
            const int64_t id = int64_t{s.id_offset} + ++assigned;
            p.id = static_cast<int32_t>(std::min<int64_t>(id, std::numeric_limits<int32_t>::max()));
        }
        if (p.displaymin == p.displaymax || std::isnan(p.displaymin) || std::isnan(p.displaymax)) {
            p.displaymin = p.min;
            p.displaymax = p.max;
        }
    }
}

void store_sources(EffectDefinition& def, const ParseState& state) {
    for (int k = 0; k < kPassSlots; ++k) def.pass_source[k] = state.pass_text[k];
    for (int k = 0; k < kScriptSlots; ++k) def.script_source[k] = state.script_text[k];
    def.vertex_source = state.vertex_text;
}

}  // namespace

void complete_definition(EffectDefinition& def, ParseState& state, const ParseEnvironment& env) {
    EffectSettings& s = def.settings;
    confine_folders(s);
    if (s.imgwidth < 1) s.imgwidth = kDefaultImageSize;
    if (s.imgheight < 1) s.imgheight = kDefaultImageSize;
    store_preset_records(s, state);
    build_preset_popup(def, env);
    if (s.dialogbutton.empty())
        s.dialogbutton = env.default_dialog_button ? env.default_dialog_button() : default_dialog_button();
    complete_vertex_shader(s, state, env);
    resolve_pass_references(s, state);
    ensure_version_line(state.vertex_text);
    complete_passes(s, state);
    complete_slots(def);
    make_ids_unique(def);
    store_sources(def, state);
}

}  // namespace fx
