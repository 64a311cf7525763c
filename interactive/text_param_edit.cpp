#include "interactive/text_param_edit.h"

#include <cmath>

#include "definition/loader/unscramble_text.h"
#include "interactive/param_streams.h"
#include "platform/text_dialog.h"

namespace fx {
namespace {

// Stored scrambled like the library's other built-in texts.
constexpr const char* kKeepTextCaption = "?Cevcit";

constexpr int kDialogWidth = 450;
constexpr int kDialogHeight = 180;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 30;
constexpr int kMarginX = 10;
constexpr int kMarginY = 6;

// The first `limit` characters; a UTF-8 sequence is not split.
std::string first_characters(const std::string& text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (count++ == limit) return text.substr(0, i);
    }
    return text;
}

}  // namespace

std::string fill_placeholder(std::string_view display, std::string_view text) {
    std::string filled;
    for (char c : display) {
        if (c == '?')
            filled += text;
        else
            filled.push_back(c);
    }
    return filled;
}

std::string keep_text_caption() { return unscramble_text(kKeepTextCaption); }

void EditTextParam(PanelCommand& command, int index, int text_index) {
    const ParamDef& slot = command.slot(index);
    char*& stored = command.state.texts[text_index];
    const std::string current = stored != nullptr ? stored : "";
    const EffectSettings& settings = command.definition.settings;
    const std::string title = settings.bundlename.empty() ? settings.name.str() : settings.bundlename.str();

    platform::TextDialog dialog(kDialogWidth, kDialogHeight, kButtonWidth, kButtonHeight, kMarginX, kMarginY);
    dialog.Run(title, fill_placeholder(slot.display.view(), ""), "OK", keep_text_caption(), "", 1, current);
    // Enter (button 3), the second button and Escape all leave the text.
    if (dialog.pressed_button() != 1) return;

    std::string entered = dialog.text();
    // A maximum beyond any text the dialog can return cuts nothing.
    if (slot.max > 0.0f && slot.max < 1e9f)
        entered = first_characters(entered, static_cast<std::size_t>(std::trunc(slot.max)));
    free_text(stored);
    stored = new_text(entered);

    if (slot.display.view().find('?') == std::string_view::npos || command.premiere) return;
    StreamChange change;
    change.name = fill_placeholder(slot.display.view(), entered);
    change_param_stream(command, command.global.aegp_plugin_id, index, change);
    ask_for_redraw(command.out_data);
}

}  // namespace fx
