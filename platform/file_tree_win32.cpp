#include "platform/file_tree.h"

#include <windows.h>

#include "platform/path.h"

namespace fx::platform {
namespace {

constexpr int max_depth = 64;

// A file link may lead anywhere on the machine, out of the listed folder; it is not
// listed. Other reparse points (cloud placeholders, deduplicated files) are files of the
// folder and are.
bool is_link(const WIN32_FIND_DATAA& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
           (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK || found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

void list_below(const std::string& root, const std::string& relative, int depth, std::vector<std::string>& out) {
    if (depth > max_depth) return;
    std::string folder = relative.empty() ? root : join_path(root, relative);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(join_path(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string child_relative = relative.empty() ? name : join_path(relative, name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // Junctions and folder links may point back up the tree; they are not followed.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                list_below(root, child_relative, depth + 1, out);
        } else if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) && !is_link(found)) {
            out.push_back(child_relative);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

bool is_folder(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool create_folder(const std::string& path) {
    if (path.empty()) return false;
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '\\' && path[i] != '/') continue;
        std::string level = path.substr(0, i);
        char last = level.back();
        if (last == '\\' || last == '/' || last == ':') continue;
        // Levels that cannot be made (a UNC server name, an existing level without write
        // access) are passed over; whether the whole path exists decides below.
        CreateDirectoryA(level.c_str(), nullptr);
    }
    return is_folder(path);
}

std::vector<std::string> list_files(const std::string& folder) {
    std::vector<std::string> out;
    if (folder.empty()) return out;
    list_below(folder, "", 0, out);
    return out;
}

}  // namespace fx::platform
