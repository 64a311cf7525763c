#include "platform/regular_file.h"

#include <io.h>
#include <windows.h>

namespace fx::platform {

FileKind file_kind(const std::string& path) {
    if (path.empty()) return FileKind::missing;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FileKind::missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileKind::folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return FileKind::other;
    // Device names ("CON", "COM1") and pipes carry ordinary attributes; the type of an
    // opened handle tells them apart. No data access is asked for, so nothing is read.
    HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FileKind::missing;
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_DISK ? FileKind::regular : FileKind::other;
}

FileHandle open_regular_file(const std::string& path) {
    if (file_kind(path) != FileKind::regular) return nullptr;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return nullptr;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file.get())));
    if (GetFileType(handle) != FILE_TYPE_DISK) return nullptr;
    return file;
}

}  // namespace fx::platform
