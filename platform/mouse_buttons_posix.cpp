#include <cstdlib>
#include <string_view>

#include "platform/mouse_buttons.h"

namespace fx::platform {

bool mouse_button_down() {
    const char* buttons = std::getenv(kMouseButtonsVariable);
    if (buttons == nullptr) return true;
    const std::string_view held(buttons);
    return held == "left" || held == "right" || held == "middle";
}

}  // namespace fx::platform
