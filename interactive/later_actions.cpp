#include "interactive/later_actions.h"

#include "interactive/image_loading.h"

namespace fx {
void load_image_parameter(PanelCommand& command, const std::string& path, int image_index) {
    LoadImage(command.state, path, command.in_data, command.out_data, command.params, image_index);
}

}  // namespace fx
