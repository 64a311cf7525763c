#pragma once
// The desktop's file dialogs: open one file, choose a folder, save one file.
//
// Windows: the common open and save dialogs and the shell's folder browser, owned by the
// active window. Linux: when FX_DIALOG_ANSWERS names an answers file (dialog_answers.h)
// the dialog takes its next answer from it; otherwise, where a display is available, a
// zenity child process shows the dialog (a missing zenity counts as no display); without
// either the dialog behaves as cancelled.
#include <optional>
#include <string>

#include "platform/file_filters.h"

namespace fx::platform {

enum class FileDialogAction { open = 0, folder = 1, save = 2 };

// The chosen path (UTF-8), or nothing when the user cancelled or the dialog could not be
// shown. `start_path` and `default_name` may be empty.
std::optional<std::string> FileDialog(FileDialogAction action, const std::string& start_path,
                                      const std::string& default_name, const FilterList& filters);

}  // namespace fx::platform
