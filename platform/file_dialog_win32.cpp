// The common open and save dialogs and the shell's folder browser, owned by the active
// window. Paths cross as UTF-16; a failed conversion counts as a cancelled dialog.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// clang-format off
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

#include "platform/file_dialog.h"

namespace fx::platform {
namespace {

std::optional<std::wstring> to_utf16(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::optional<std::string> to_utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, -1, narrow.data(), n, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(n) - 1);
    return narrow;
}

// The dialog's filter: per group its name, NUL, "*.ext;*.ext", NUL, and one more NUL at the end.
std::string filter_text(const FilterList& filters) {
    std::string text;
    for (const FilterGroup& group : filters) {
        text += group.name;
        text.push_back('\0');
        text += filter_pattern(group);
        text.push_back('\0');
    }
    text.push_back('\0');
    return text;
}

int CALLBACK select_start_folder(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data != 0) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

// The new-style folder browser is built of shell objects: the calling thread needs COM in
// a single-threaded apartment while it runs. A thread that already has COM keeps it.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

std::optional<std::string> choose_folder(const std::string& start_path) {
    const std::optional<std::wstring> start = to_utf16(start_path);
    if (!start) return std::nullopt;
    const ComApartment com;
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.ulFlags = 0x51;  // file-system folders only, edit box, new dialog style
    info.lpfn = select_start_folder;
    info.lParam = start->empty() ? 0 : reinterpret_cast<LPARAM>(start->c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (chosen == nullptr) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return to_utf8(path);
}

std::optional<std::string> open_or_save(FileDialogAction action, const std::string& start_path,
                                        const std::string& default_name, const FilterList& filters) {
    const std::optional<std::wstring> start = to_utf16(start_path);
    const std::optional<std::wstring> name = to_utf16(default_name);
    const std::optional<std::wstring> filter = to_utf16(filter_text(filters));
    if (!start || !name || !filter) return std::nullopt;
    wchar_t file[260] = {};
    if (!name->empty()) lstrcpynW(file, name->c_str(), 260);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    // Without groups the dialog gets no filter at all (an empty one lists nothing).
    dialog.lpstrFilter = filters.empty() ? nullptr : filter->c_str();
    dialog.nFilterIndex = filters.empty() ? 0 : 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = 260;
    dialog.lpstrInitialDir = start->empty() ? nullptr : start->c_str();
    // Overwrite prompt, no change of the current folder, path and file must exist, Explorer style.
    dialog.Flags = 0x8180A;
    const BOOL ok = action == FileDialogAction::save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!ok) return std::nullopt;
    return to_utf8(file);
}

}  // namespace

std::optional<std::string> FileDialog(FileDialogAction action, const std::string& start_path,
                                      const std::string& default_name, const FilterList& filters) {
    if (action == FileDialogAction::folder) return choose_folder(start_path);
    return open_or_save(action, start_path, default_name, filters);
}

}  // namespace fx::platform
