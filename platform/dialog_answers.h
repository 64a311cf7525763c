#pragma once
// Answers for the desktop dialogs without a desktop: when FX_DIALOG_ANSWERS names a
// file, every dialog takes the next line of it as what the user did, in order.
//
//   file dialogs:  a path, or "cancel"
//   text dialog:   the button and the text, "1 New title" ("enter" for Enter, which is
//                  button 3), or "cancel" / "escape"
//
// Lines starting with "#" are comments; a file that has run out answers "cancel".
#include <optional>
#include <string>

namespace fx::platform {

inline constexpr const char* kDialogAnswersVariable = "FX_DIALOG_ANSWERS";

// Nothing when no answers file is named; otherwise the next answer ("cancel" once the
// file has run out or cannot be read). The place in each file is kept per process, so a
// file is read from its first answer again only by a new process or under a new name.
std::optional<std::string> next_dialog_answer();

// A text-dialog answer taken apart: the button (1, 2, 3 or -1) and the text.
struct TextAnswer {
    int button = -1;
    std::string text;
};
TextAnswer parse_text_answer(const std::string& line);

}  // namespace fx::platform
