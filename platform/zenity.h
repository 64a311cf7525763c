#pragma once
// Desktop dialogs on Linux are shown by zenity, run as a child process with its
// arguments passed directly (no shell), so paths and texts need no quoting.
#include <string>
#include <vector>

namespace fx::platform {

struct ZenityResult {
    bool shown = false;  // false: no display, or zenity could not be started
    int exit_code = -1;  // 0 for the dialog's OK, 1 for Cancel, Escape or an extra button
    std::string output;  // what zenity printed, without the final line break
};

// Runs `zenity args...` when $DISPLAY or $WAYLAND_DISPLAY names a display.
ZenityResult run_zenity(const std::vector<std::string>& args);

}  // namespace fx::platform
