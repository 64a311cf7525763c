#include "dialog_driver.h"

#include <vector>

namespace fx::test {
namespace {

// Visible top-level windows of this process.
std::vector<HWND> own_windows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Asks a window to close the way each kind understands: Cancel for the system's dialogs,
// a close request for any window.
void ask_to_close(HWND window) {
    if (is_system_dialog(window)) PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

std::string window_class(HWND window) {
    char name[256] = {};
    const int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string window_text(HWND window) {
    wchar_t text[1024] = {};
    const int n = static_cast<int>(SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text)));
    if (n <= 0) return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, n, out.data(), bytes, nullptr, nullptr);
    return out;
}

void type_text(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

bool is_text_dialog(HWND window) { return window_class(window).rfind("TMsgDlg", 0) == 0; }

bool is_system_dialog(HWND window) { return window_class(window) == "#32770"; }

DialogDriver::DialogDriver(Finder find, Action act, std::chrono::seconds limit)
    : thread_([this, find = std::move(find), act = std::move(act), limit] { run(find, act, limit); }) {}

DialogDriver::~DialogDriver() { finish(); }

void DialogDriver::finish() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
}

void DialogDriver::run(Finder find, Action act, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done_) {
        if (std::chrono::steady_clock::now() > deadline) {
            gave_up_ = true;
            for (HWND window : own_windows()) ask_to_close(window);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            continue;
        }
        if (!acted_) {
            for (HWND window : own_windows()) {
                if (find(window) && act(window)) {
                    acted_ = true;
                    break;
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace fx::test
