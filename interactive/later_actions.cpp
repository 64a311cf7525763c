#include "interactive/later_actions.h"

#include "host/host_message.h"

namespace fx {
namespace {

void not_available(PanelCommand& command, const char* what) {
    const std::string message = std::string(what) + " is not available yet; only its name was kept.";
    report_host_message(command.in_data, command.out_data, message.c_str());
}

}  // namespace

// The reference is kept, as a project's record keeps it, so a preset or project saved
// again still names the picture.
void load_image_parameter(PanelCommand& command, const std::string& path, int image_index) {
    if (image_index < 0 || image_index >= image_parameter_count(command.definition)) return;
    free_text(command.state.image_paths[image_index]);
    command.state.image_paths[image_index] = new_text(path);
    if (!path.empty()) not_available(command, "Image parameters: decoding an image file");
}

}  // namespace fx
