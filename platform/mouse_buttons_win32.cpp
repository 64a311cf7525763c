#include <windows.h>

#include <initializer_list>

#include "platform/mouse_buttons.h"

namespace fx::platform {

bool mouse_button_down() {
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const int left = swapped ? VK_RBUTTON : VK_LBUTTON;
    const int right = swapped ? VK_LBUTTON : VK_RBUTTON;
    for (const int button : {left, right, VK_MBUTTON})
        if ((GetAsyncKeyState(button) & 0x8000) != 0) return true;
    return false;
}

}  // namespace fx::platform
