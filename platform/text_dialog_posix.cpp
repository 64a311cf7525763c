#include <algorithm>

#include "platform/dialog_answers.h"
#include "platform/text_dialog.h"
#include "platform/zenity.h"

namespace fx::platform {

// Nothing to hold here: the dialog lives in the answers file or the zenity process.
struct TextDialogWindow {};

namespace {

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

// The edit field takes at most its limit in characters (UTF-8 sequences kept whole).
std::string cut_to_limit(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;
        if (count++ == static_cast<std::size_t>(TextDialog::kEditLimit)) return text.substr(0, i);
    }
    return text;
}

// zenity's entry and question dialogs have an OK and a Cancel button and any number of
// extra buttons, which print their caption and exit with 1. Button 1 is OK; buttons 2
// and 3 are extra buttons; Cancel is shown only as Escape's stand-in when neither is.
// Enter in zenity presses OK, so it reads as button 1 there.
std::vector<std::string> zenity_arguments(const std::string& title, const std::string& message,
                                          const std::string (&captions)[3], int mode, const std::string& text) {
    std::vector<std::string> args{mode == 1 ? "--entry" : "--question", "--title=" + title, "--text=" + message,
                                  "--ok-label=" + (captions[0].empty() ? std::string("OK") : captions[0])};
    if (mode == 1) args.push_back("--entry-text=" + text);
    if (mode != 1) args.push_back("--no-wrap");
    for (int i = 1; i < 3; ++i)
        if (!captions[i].empty()) args.push_back("--extra-button=" + captions[i]);
    return args;
}

}  // namespace

TextDialog::TextDialog(int width, int height, int button_width, int button_height, int margin_x, int margin_y,
                       void* instance)
    : width_(width),
      height_(height),
      button_width_(button_width),
      button_height_(button_height),
      margin_x_(margin_x),
      margin_y_(margin_y),
      instance_(instance),
      window_(std::make_unique<TextDialogWindow>()) {}

TextDialog::~TextDialog() = default;

void TextDialog::close_with(int button, const std::string& text) {
    pressed_ = button;
    if (button < 0) return;
    text_ = cut_to_limit(first_line(text));
    text_taken_ = true;
}

bool TextDialog::Run(const std::string& title, const std::string& message, const std::string& caption1,
                     const std::string& caption2, const std::string& caption3, int mode, const std::string& edit_text,
                     void*) {
    title_ = title;
    message_ = message;
    captions_[0] = caption1;
    captions_[1] = caption2;
    captions_[2] = caption3;
    mode_ = mode;
    text_ = edit_text;
    pressed_ = -1;
    text_taken_ = false;
    // Without the edit field the text the dialog reports is the one it was given.
    const auto reported = [&](const std::string& typed) { return mode_ == 1 ? typed : edit_text; };

    if (std::optional<std::string> line = next_dialog_answer()) {
        const TextAnswer answer = parse_text_answer(*line);
        // Only a button that is shown can be pressed; Enter (3) always can.
        const bool pressable = answer.button == 3 || (answer.button > 0 && !captions_[answer.button - 1].empty());
        close_with(pressable ? answer.button : -1, reported(answer.text));
        return text_taken_;
    }
    const ZenityResult shown = run_zenity(zenity_arguments(title_, message_, captions_, mode_, edit_text));
    if (!shown.shown) return false;
    if (shown.exit_code == 0) {
        close_with(1, reported(shown.output));
    } else if (shown.exit_code == 1 && !shown.output.empty()) {
        // An extra button prints its caption; the typed text is not reported with it.
        for (int i = 1; i < 3; ++i)
            if (!captions_[i].empty() && shown.output == captions_[i]) close_with(i + 1, edit_text);
    }
    return text_taken_;
}

}  // namespace fx::platform
