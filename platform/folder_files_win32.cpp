#include "platform/folder_files.h"

#include <windows.h>

#include "platform/path.h"

namespace fx::platform {

std::vector<std::string> folder_files(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(join_path(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        // Folders and devices are left out; reparse points to files are followed by the reader.
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0)
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace fx::platform
