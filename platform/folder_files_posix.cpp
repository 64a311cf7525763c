#include "platform/folder_files.h"

#include <dirent.h>

#include <memory>

#include "platform/path.h"
#include "platform/regular_file.h"

namespace fx::platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

std::vector<std::string> folder_files(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    const std::string native = native_path(folder);
    std::unique_ptr<DIR, DirCloser> dir(opendir(native.c_str()));
    if (!dir) return names;
    while (const dirent* entry = readdir(dir.get())) {
        if (file_kind(join_path(native, entry->d_name)) == FileKind::regular) names.emplace_back(entry->d_name);
    }
    return names;
}

}  // namespace fx::platform
