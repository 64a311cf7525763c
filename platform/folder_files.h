#pragma once
// The regular files directly inside one folder, without descending into sub-folders.
#include <string>
#include <vector>

namespace fx::platform {

// Names (not paths) of the regular files in `folder`, links to regular files included,
// in the order the file system enumerates them. An unreadable or missing folder lists
// nothing.
std::vector<std::string> folder_files(const std::string& folder);

}  // namespace fx::platform
