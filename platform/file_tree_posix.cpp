#include "platform/file_tree.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/path.h"

namespace fx::platform {
namespace {

constexpr int max_depth = 64;

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// The folder's own resolved path with a trailing "/", "" when it cannot be resolved.
std::string resolved_folder(const std::string& folder) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(folder.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) + "/" : std::string();
}

// A link is listed only when it leads to a regular file inside the listed folder: a
// link to /etc/passwd placed in a preset folder must not make that file a preset.
bool links_inside(const std::string& link, const std::string& resolved_root) {
    std::unique_ptr<char, decltype(&std::free)> target(realpath(link.c_str(), nullptr), &std::free);
    if (!target || resolved_root.empty()) return false;
    struct stat info {};
    return std::string_view(target.get()).substr(0, resolved_root.size()) == resolved_root &&
           stat(target.get(), &info) == 0 && S_ISREG(info.st_mode);
}

void list_below(const std::string& root, const std::string& resolved_root, const std::string& relative, int depth,
                std::vector<std::string>& out) {
    if (depth > max_depth) return;
    std::string folder = relative.empty() ? root : join_path(root, relative);
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) return;
    while (dirent* entry = readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        std::string child_relative = relative.empty() ? std::string(entry->d_name) : join_path(relative, entry->d_name);
        std::string child = join_path(root, child_relative);
        struct stat link_info {};
        if (lstat(child.c_str(), &link_info) != 0) continue;
        if (S_ISDIR(link_info.st_mode)) {
            list_below(root, resolved_root, child_relative, depth + 1, out);
        } else if (S_ISREG(link_info.st_mode)) {
            out.push_back(child_relative);
        } else if (S_ISLNK(link_info.st_mode) && links_inside(child, resolved_root)) {
            out.push_back(child_relative);
        }
    }
}

}  // namespace

bool is_folder(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(native_path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool create_folder(const std::string& path) {
    std::string native = native_path(path);
    if (native.empty()) return false;
    // Walk the levels from the top so that every missing one is made in turn.
    for (size_t i = 1; i <= native.size(); ++i) {
        if (i < native.size() && native[i] != '/') continue;
        std::string level = native.substr(0, i);
        if (level.back() == '/') continue;
        if (mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return is_folder(native);
}

std::vector<std::string> list_files(const std::string& folder) {
    std::vector<std::string> out;
    if (folder.empty()) return out;
    const std::string root = native_path(folder);
    list_below(root, resolved_folder(root), "", 0, out);
    return out;
}

}  // namespace fx::platform
