#pragma once
// Text parameters: their text is edited in the text dialog and kept in the instance;
// a display name holding "?" shows the text in the panel in place of the "?".
#include <string>
#include <string_view>

#include "interactive/panel_command.h"

namespace fx {

// `display` with every "?" replaced by `text` ("" removes them).
std::string fill_placeholder(std::string_view display, std::string_view text);

// Caption of the text dialog's second button, which leaves the text as it was.
std::string keep_text_caption();

// Edits the text of text index `text_index` for the text parameter at slot `index`.
void EditTextParam(PanelCommand& command, int index, int text_index);

}  // namespace fx
