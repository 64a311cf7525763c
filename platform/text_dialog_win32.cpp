// The text dialog as a window of its own: a window class with a random name, a captioned
// window centred on its owner (or the desktop), a message, an edit field and three push
// buttons, run in a modal message loop of its own.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <random>

#include "platform/text_dialog.h"

namespace fx::platform {

struct TextDialogWindow {
    std::wstring class_name;
    HWND window = nullptr;
    HWND owner = nullptr;
    HWND message = nullptr;
    HWND edit = nullptr;
    HWND buttons[3] = {};
    TextDialog* dialog = nullptr;

    void press(int id) { dialog->close_with(id, ""); }
};

namespace {

constexpr int kEditId = 100;

std::wstring to_utf16(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string to_utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::wstring random_class_name() {
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> letter('A', 'Z');
    std::wstring name = L"TMsgDlg";
    for (int i = 0; i < 10; ++i) name.push_back(static_cast<wchar_t>(letter(random)));
    return name;
}

LRESULT CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace

// Builds the children once the window exists; geometry after the dialog's margins.
static void create_children(TextDialogWindow& w, int width, int height, int bw, int bh, int mx, int my) {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int inner = width - 2 * mx;
    const auto child = [&](const wchar_t* cls, DWORD style, int x, int y, int cx, int cy, int id) {
        HWND h = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, w.window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        return h;
    };
    SetWindowPos(w.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    w.message = child(L"STATIC", 0, mx, my, inner, 4 * bh, 0);
    w.edit =
        child(L"EDIT", WS_BORDER | ES_AUTOHSCROLL, mx, height - 2 * my - 4 * bh, inner - 2 * mx, 2 * bh / 3, kEditId);
    const int y = height - 2 * bh - 6 * my;
    const int xs[3] = {mx, mx + inner / 3 + 2 * mx, mx + (mx + inner / 3 - bw) / 2 + mx + 2 * (inner / 3)};
    for (int i = 0; i < 3; ++i)
        w.buttons[i] = child(L"BUTTON", i == 2 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, xs[i], y, bw, bh, i + 1);
}

TextDialog::TextDialog(int width, int height, int button_width, int button_height, int margin_x, int margin_y,
                       void* instance)
    : width_(width),
      height_(height),
      button_width_(button_width),
      button_height_(button_height),
      margin_x_(margin_x),
      margin_y_(margin_y),
      instance_(instance),
      window_(std::make_unique<TextDialogWindow>()) {
    TextDialogWindow& w = *window_;
    w.dialog = this;
    w.class_name = random_class_name();
    WNDCLASSW cls{};
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = dialog_procedure;
    cls.hInstance = static_cast<HINSTANCE>(instance_);
    // The stock ids are integers in pointer form; the headers type them for the A calls
    // unless UNICODE is defined, which this build does not define.
    cls.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WINLOGO));
    cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5));
    cls.lpszClassName = w.class_name.c_str();
    RegisterClassW(&cls);
    RECT area{};
    HWND owner = GetActiveWindow();
    if (owner == nullptr || !GetWindowRect(owner, &area)) GetWindowRect(GetDesktopWindow(), &area);
    const int x = area.left + (area.right - area.left - width_) / 2;
    const int y = area.top + (area.bottom - area.top - height_) / 2;
    w.window = CreateWindowExW(0, w.class_name.c_str(), L"", WS_CAPTION, x, y, width_, height_, nullptr, nullptr,
                               static_cast<HINSTANCE>(instance_), &w);
    if (w.window != nullptr) create_children(w, width_, height_, button_width_, button_height_, margin_x_, margin_y_);
}

TextDialog::~TextDialog() {
    TextDialogWindow& w = *window_;
    if (w.owner != nullptr) EnableWindow(w.owner, TRUE);
    if (w.window != nullptr) DestroyWindow(w.window);
    UnregisterClassW(w.class_name.c_str(), static_cast<HINSTANCE>(instance_));
}

void TextDialog::close_with(int button, const std::string&) {
    TextDialogWindow& w = *window_;
    pressed_ = button;
    if (button < 0) {
        DestroyWindow(w.window);
        w.window = nullptr;
        return;
    }
    // The first line of the edit field, at most the edit limit in characters.
    std::wstring line(static_cast<std::size_t>(kEditLimit) + 1, L'\0');
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(kEditLimit);
    const LRESULT n = SendMessageW(w.edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    text_ = to_utf8(line);
    text_taken_ = true;
    PostMessageW(w.window, WM_CLOSE, 0, 0);
}

bool TextDialog::Run(const std::string& title, const std::string& message, const std::string& caption1,
                     const std::string& caption2, const std::string& caption3, int mode, const std::string& edit_text,
                     void* owner) {
    TextDialogWindow& w = *window_;
    if (w.window == nullptr) return false;
    try {
        title_ = title;
        message_ = message;
        captions_[0] = caption1;
        captions_[1] = caption2;
        captions_[2] = caption3;
        mode_ = mode;
        text_ = edit_text;
        w.owner = static_cast<HWND>(owner);
        if (w.owner != nullptr) EnableWindow(w.owner, FALSE);
        SetWindowTextW(w.window, to_utf16(title_).c_str());
        SetWindowTextW(w.edit, to_utf16(text_).c_str());
        SetWindowTextW(w.message, to_utf16(message_).c_str());
        for (int i = 0; i < 3; ++i) SetWindowTextW(w.buttons[i], to_utf16(captions_[i]).c_str());
        SendMessageW(w.edit, EM_LIMITTEXT, kEditLimit, 0);
        SendMessageW(w.edit, EM_SETSEL, 0, -1);
        // A hidden window cannot take the focus: shown first, then the edit field focused.
        ShowWindow(w.window, SW_SHOW);
        SetForegroundWindow(w.window);
        SetFocus(w.edit);
        if (mode_ == 0) ShowWindow(w.edit, SW_HIDE);
        for (int i = 0; i < 3; ++i)
            if (captions_[i].empty()) ShowWindow(w.buttons[i], SW_HIDE);
        MSG msg;
        while (w.window != nullptr && GetMessageW(&msg, w.window, 0, 0) > 0) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
                close_with(3, "");
                continue;
            }
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
                close_with(-1, "");
                break;
            }
            if (msg.message == WM_CLOSE) break;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (text_taken_ && PeekMessageW(&msg, w.window, WM_CLOSE, WM_CLOSE, PM_REMOVE)) break;
        }
        // Closed: the window goes out of sight at once, and is destroyed with the dialog.
        if (w.window != nullptr) ShowWindow(w.window, SW_HIDE);
        return text_taken_;
    } catch (...) {
        return false;
    }
}

namespace {

LRESULT CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* w = reinterpret_cast<TextDialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Closed by the system (Alt+F4, the task bar, a close message sent from elsewhere):
    // as Escape. The dialog's own close request is taken by its message loop instead.
    if (message == WM_CLOSE && w != nullptr && w->dialog != nullptr && !w->dialog->text_taken()) {
        w->press(-1);
        return 0;
    }
    if (message == WM_DESTROY && w != nullptr && w->window == window) w->window = nullptr;
    if (message == WM_COMMAND && w != nullptr && w->dialog != nullptr) {
        const int id = LOWORD(wparam);
        if (id >= 1 && id <= 3) {
            w->press(id);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

}  // namespace fx::platform
