#pragma once
// Folder creation and recursive listing of regular files.
#include <string>
#include <vector>

namespace fx::platform {

// Creates `path` and every missing folder above it. True when the folder exists
// afterwards (also when it existed before); false when a level cannot be created or a
// file of that name is in the way.
bool create_folder(const std::string& path);

// True when `path` names an existing folder.
bool is_folder(const std::string& path);

// Every regular file below `folder`, recursively, as paths relative to `folder` with the
// platform separator between levels, in the order the file system enumerates them.
// Symbolic links to folders are not followed (a link cycle must not list forever), a
// link to a file is listed only when the file lies inside `folder` (on Windows file links
// are not listed at all), so the listing never reaches out of the folder it lists; the
// descent stops at a depth of 64 levels. An unreadable or missing folder lists
// nothing.
std::vector<std::string> list_files(const std::string& folder);

}  // namespace fx::platform
