#pragma once
// A small modal dialog: a title, a message, an optional single-line edit field and up
// to three buttons. Enter closes it as button 3 (even when button 3 has no caption and
// is hidden) and takes the text; Escape closes it as -1 and leaves the text; a button
// closes it as its number and takes the text.
//
// Windows: a window of its own with a modal message loop. Linux: the answers file
// (dialog_answers.h), else a zenity child process where a display is available, else
// the dialog behaves as closed with Escape.
#include <memory>
#include <string>

namespace fx::platform {

struct TextDialogWindow;  // the platform's window and its class; defined per OS

class TextDialog {
public:
    static constexpr int kEditLimit = 100;  // characters the edit field takes

    // Builds the window (width x height, buttons bw x bh, margins mx and my). `instance`
    // is the module the window class belongs to (Windows); null elsewhere.
    TextDialog(int width, int height, int button_width, int button_height, int margin_x, int margin_y,
               void* instance = nullptr);
    ~TextDialog();
    TextDialog(const TextDialog&) = delete;
    TextDialog& operator=(const TextDialog&) = delete;

    // Shows the dialog and waits until it closes. mode 1 shows the edit field holding
    // `edit_text`, mode 0 hides it; a button with an empty caption is hidden. Returns
    // whether the text was taken (closed by a button or Enter).
    bool Run(const std::string& title, const std::string& message, const std::string& caption1,
             const std::string& caption2, const std::string& caption3, int mode, const std::string& edit_text,
             void* owner = nullptr);

    int pressed_button() const noexcept { return pressed_; }  // 1, 2, 3, or -1 (Escape, not run)
    const std::string& text() const noexcept { return text_; }
    bool text_taken() const noexcept { return text_taken_; }

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

private:
    // What the platform's dialog reports when it closes.
    void close_with(int button, const std::string& text);

    int width_, height_;
    // The layout of the window's children and its class's module: the desktop dialogs of
    // other systems lay themselves out.
    [[maybe_unused]] int button_width_, button_height_, margin_x_, margin_y_;
    [[maybe_unused]] void* instance_;
    std::string title_ = "Title";
    std::string message_ = "Message";
    std::string captions_[3] = {"OK", "", "Cancel"};
    std::string text_;
    int mode_ = 1;
    int pressed_ = -1;
    bool text_taken_ = false;
    std::unique_ptr<TextDialogWindow> window_;

    friend struct TextDialogWindow;
};

}  // namespace fx::platform
