#pragma once
// Drives a modal dialog of this process from a helper thread while the test's own thread
// sits in the dialog's message loop: waits for a visible top-level window that `find`
// accepts, hands it to `act` (which types and presses through window messages; it
// answers false, touching nothing, while the dialog is not ready, and is asked again)
// and then waits for the test to end. When the time limit passes first (no dialog came up, or
// acting on it did not close it) it reports the failure and keeps closing every window
// of the process until the dialog has returned, so a broken dialog fails its test
// instead of hanging it.
//
//   DialogDriver driver(is_text_dialog, [](HWND dialog) { ...; return true; });
//   dialog.Run(...);           // returns once the driver pressed a button
//   driver.finish();           // the thread ends; EXPECT_TRUE(driver.acted())
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace fx::test {

// The window's class name (ASCII).
std::string window_class(HWND window);
// The window's text, converted to UTF-8.
std::string window_text(HWND window);
// Sets a control's text as typing it would.
void type_text(HWND control, const std::wstring& text);
// Presses a push button as a mouse click on it would.
void click(HWND button);

class DialogDriver {
public:
    using Finder = std::function<bool(HWND)>;
    using Action = std::function<bool(HWND)>;

    // The limit is generous: under load a virtual display and Wine are slow to draw.
    DialogDriver(Finder find, Action act, std::chrono::seconds limit = std::chrono::seconds(60));
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Ends the thread (the dialog has returned); called by the destructor too.
    void finish();
    // `act` ran on a dialog and reported success.
    bool acted() const { return acted_; }
    // The limit passed and the driver closed the process's windows.
    bool gave_up() const { return gave_up_; }

private:
    void run(Finder find, Action act, std::chrono::seconds limit);

    std::atomic<bool> done_{false};
    std::atomic<bool> acted_{false};
    std::atomic<bool> gave_up_{false};
    std::thread thread_;
};

// Finders for the two kinds of dialog: the text dialog's window class, and the system's
// dialog class that the common file dialogs and the folder browser use.
bool is_text_dialog(HWND window);
bool is_system_dialog(HWND window);

}  // namespace fx::test
