#include "interactive/preset_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "definition/loader/read_file.h"
#include "host/host_message.h"
#include "interactive/later_actions.h"
#include "interactive/param_state_reapply.h"
#include "interactive/preset_codec.h"
#include "interactive/preset_key.h"
#include "interactive/preset_lines.h"
#include "interactive/preset_values.h"
#include "platform/app_data_folder.h"
#include "platform/file_dialog.h"
#include "platform/path.h"

namespace fx {
namespace {

constexpr const char* kNoPreset = "---";
constexpr int kIgnoreVisibility = 666;
// Presets are a few kilobytes; a larger file is cut here and then fails as cut short.
constexpr std::size_t kPresetFileLimit = std::size_t{16} << 20;

std::string preset_filter(const EffectSettings& settings) {
    return settings.basedir.str() + " Presets:" + settings.presetextension.str();
}

std::string default_name(const EffectSettings& settings) { return "*." + settings.presetextension.str(); }

std::optional<std::string> ask_for_preset(platform::FileDialogAction action, const EffectSettings& settings) {
    return platform::FileDialog(action, first_preset_folder(settings), default_name(settings),
                                platform::ParseFilters(preset_filter(settings)));
}

const char* or_empty(const char* text) { return text != nullptr ? text : ""; }

void apply_lines(PanelCommand& command, const std::vector<std::string>& lines, bool apply_visibility) {
    const int images = image_parameter_count(command.definition);
    const int texts = keeps_texts(command.definition) ? preset_text_count(command.definition) : 0;
    int image = 0;
    int text = 0;
    for (const std::string& line : lines) {
        const std::string_view rest = std::string_view(line).substr(1);
        const std::string_view trimmed = rest.substr(std::min(rest.find_first_not_of(" \t"), rest.size()));
        if (line.front() == 'I') {
            if (image < images) {
                load_image_parameter(command, std::string(trimmed), image);
                ReapplyParamStates(command);
            }
            ++image;
        } else if (line.front() == 'T') {
            if (text < texts) {
                free_text(command.state.texts[text]);
                command.state.texts[text] = new_text(trimmed);
            }
            ++text;
        } else if (line.front() == 'V' && apply_visibility) {
            const auto fields = split_fields(rest);
            const std::size_t count = std::min<std::size_t>(fields.size(), kSlotCount);
            for (std::size_t i = 0; i < count; ++i) {
                const double value = read_number(fields[i]).value_or(0.0);
                command.state.param_state[i] = std::abs(value) < 2147483647.0 ? static_cast<std::int32_t>(value) : 0;
            }
        }
    }
    for (const std::string& line : lines) {
        if (line.front() == 'I' || line.front() == 'T' || line.front() == 'V') continue;
        apply_value_line(command, split_fields(line));
    }
}

}  // namespace

std::string first_preset_folder(const EffectSettings& settings) {
    std::string folder =
        platform::app_data_folder(platform::DataScope::all_users) + "\\" + settings.basedir.str() + "\\";
    if (!settings.presetpath.empty()) folder += settings.presetpath.str() + "\\";
    return platform::native_path(folder);
}

int preset_text_count(const EffectDefinition& definition) {
    int count = std::clamp(definition.settings.text_count, 0, kSequenceTexts);
    const int slots = std::clamp(definition.settings.param_count, 0, kSlotCount);
    for (int j = 0; j < slots; ++j) {
        const ParamDef& slot = definition.params[j];
        const int index = std::abs(slot.flags);
        if (slot.type == kParamText && index < kSequenceTexts) count = std::max(count, index + 1);
    }
    return count;
}

std::string preset_plain_text(const PanelCommand& command) {
    const EffectDefinition& definition = command.definition;
    std::string plain;
    for (int j = 0; j < command.param_count; ++j)
        if (stores_value(definition, j)) plain += value_line(command, j) + "\r\n";
    for (int k = 0; k < image_parameter_count(definition); ++k)
        plain += std::string("I") + or_empty(command.state.image_paths[k]) + "\r\n";
    if (keeps_texts(definition))
        for (int k = 0; k < preset_text_count(definition); ++k)
            plain += std::string("T") + or_empty(command.state.texts[k]) + "\r\n";
    plain += "V";
    for (int j = 0; j < command.param_count; ++j) plain += std::to_string(command.state.param_state[j]) + "|";
    return plain + "\r\n";
}

void SavePreset(PanelCommand& command) {
    const EffectSettings& settings = command.definition.settings;
    auto name = ask_for_preset(platform::FileDialogAction::save, settings);
    if (!name || name->empty()) return;
    if (name->find(settings.presetextension.view()) == std::string::npos) *name += "." + settings.presetextension.str();
    const std::string content = encode_preset(preset_plain_text(command), preset_key());
    std::ofstream out(platform::native_path(*name), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        const std::string message =
            "Presets: the preset file \"" + *name + "\" could not be written; nothing was saved.";
        report_host_message(command.in_data, command.out_data, message.c_str());
    }
}

void LoadPresetFile(PanelCommand& command, const std::string& path, bool apply_visibility) {
    if (path == kNoPreset) return;
    const std::string content = read_file(path, kPresetFileLimit);
    if (const auto plain = decode_preset(content, preset_key()))
        if (const auto lines = preset_lines(*plain)) apply_lines(command, *lines, apply_visibility);
    ReapplyParamStates(command);
    command.out_data->out_flags |= PF_OutFlag_FORCE_RERENDER;
}

void LoadPresetDialog(PanelCommand& command, int index) {
    const auto path = ask_for_preset(platform::FileDialogAction::open, command.definition.settings);
    if (!path || path->empty()) return;
    LoadPresetFile(command, *path, command.slot(index).special != kIgnoreVisibility);
    command.global.texts_dirty = 1;
}

}  // namespace fx
