#include "definition/preset_popup.h"

#include <algorithm>
#include <string>
#include <vector>

#include "definition/definition_codes.h"
#include "definition/parser_message.h"
#include "definition/source_bounds.h"
#include "definition/text_edit.h"

namespace fx {
namespace {

constexpr const char* kNoPreset = "---";

int32_t preset_popup_slot(const EffectDefinition& def) {
    const int32_t count = std::clamp<int32_t>(def.settings.param_count, 0, kSlotCount);
    for (int32_t i = 0; i < count; ++i)
        if (is_preset_file_popup(def.params[i])) return i;
    return -1;
}

std::string preset_folder(const std::function<std::string()>& app_data, const EffectSettings& s) {
    std::string folder = (app_data ? app_data() : std::string()) + "\\" + s.basedir.str() + "\\";
    if (!s.presetpath.empty()) folder += s.presetpath.str() + "\\";
    return folder;
}

std::vector<std::string> list_preset_files(const ParseEnvironment& env, const std::string& folder,
                                           const std::string& filter) {
    return env.list_files ? env.list_files(folder, filter) : std::vector<std::string>();
}

// A "|" inside a label would split one popup item into two and shift every later entry
// against its item; it is shown as a space, like "_".
std::string popup_safe(std::string label) {
    std::replace(label.begin(), label.end(), '|', ' ');
    return label;
}

// The folder of a preset file below the preset folders ("" for files directly in one).
std::string preset_subfolder(std::string path, const std::string& common, const std::string& user) {
    replace_all(path, common, "");
    replace_all(path, user, "");
    if (!path.empty() && path[0] == '/') path.erase(0, 1);
    const std::size_t slash = path.find('/');
    return slash != std::string::npos && slash >= 1 ? path.substr(0, slash) : std::string();
}

struct PopupBuilder {
    std::vector<PresetEntry>& entries;
    std::string text;
    bool cut = false;

    // The popup shows at most kMaxPopupItems items, and entries and items correspond
    // index by index, so files past that are not listed; false once full.
    bool add(const std::string& label, const std::string& path) {
        if (entries.size() >= static_cast<std::size_t>(kMaxPopupItems)) {
            cut = true;
            return false;
        }
        entries.push_back({label, path});
        text += "|" + label;
        return true;
    }
};

}  // namespace

void build_preset_popup(EffectDefinition& def, const ParseEnvironment& env) {
    const int32_t slot = preset_popup_slot(def);
    if (slot < 0) return;
    EffectSettings& s = def.settings;
    std::string common = preset_folder(env.common_app_data_folder, s);
    std::string user = preset_folder(env.user_app_data_folder, s);
    const std::string filter = "." + s.presetextension.str();
    std::vector<std::string> files = list_preset_files(env, common, filter);
    std::vector<std::string> user_files = list_preset_files(env, user, filter);
    files.insert(files.end(), user_files.begin(), user_files.end());
    std::sort(files.begin(), files.end());
    replace_all(common, "\\", "/");
    replace_all(user, "\\", "/");

    s.preset_entries.clear();
    s.preset_entries.push_back({kNoPreset, kNoPreset});
    PopupBuilder popup{s.preset_entries, kNoPreset, false};
    std::string previous_folder;
    for (std::string file : files) {
        std::string folder;
        if (s.presetmode > 0) {
            replace_all(file, "\\", "/");
            folder = preset_subfolder(file, common, user);
        }
        if (s.presetmode == 2 && folder != previous_folder) {
            if (!popup.add(popup_safe("[" + to_upper(folder.empty() ? "PRESETS" : folder) + "]"), kNoPreset)) break;
            previous_folder = folder;
        }
        const std::size_t slash = file.find_last_of("/\\");
        const std::size_t dot = file.rfind('.');
        if (slash == std::string::npos || slash < 1 || dot == std::string::npos || dot <= slash) continue;
        std::string label = file.substr(slash + 1, dot - slash - 1);
        if (s.presetmode == 1 && !folder.empty()) label = "[" + folder + "] " + label;
        std::replace(label.begin(), label.end(), '_', ' ');
        label = popup_safe(label);
        // The popup drops items that are blank; a blank label would shift the entries too.
        if (trim(label, kBlanks).empty()) continue;
        if (!popup.add(label, file)) break;
    }
    if (popup.cut)
        report_parser_message("definition preset popup: more than " + std::to_string(kMaxPopupItems) +
                              " entries; later preset files are not listed");
    def.params[slot].text = popup.text;
    def.set_items(slot, popup.text);
}

}  // namespace fx
