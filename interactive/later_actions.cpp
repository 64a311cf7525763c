#include "interactive/later_actions.h"

#include "host/host_message.h"
#include "interactive/image_loading.h"

namespace fx {
namespace {

void not_available(PanelCommand& command, const char* what) {
    const std::string message = std::string(what) + " is not available yet; nothing was changed.";
    report_host_message(command.in_data, command.out_data, message.c_str());
}

}  // namespace

void load_image_parameter(PanelCommand& command, const std::string& path, int image_index) {
    LoadImage(command.state, path, command.in_data, command.out_data, command.params, image_index);
}

void load_listed_preset(PanelCommand& command, int, bool) { not_available(command, "Presets: loading a preset file"); }

void load_preset_from_file(PanelCommand& command, int) { not_available(command, "Presets: loading a preset file"); }

void save_preset_to_file(PanelCommand& command, int) { not_available(command, "Presets: saving a preset file"); }

}  // namespace fx
