#pragma once
#include <string>
#include <vector>

namespace fx {

// Every regular file below `folder` (recursively) whose full path, lowercased, contains
// `filter` lowercased. Each is given as the folder text as written, a separator when the
// text does not already end in one ("/", "\" or, on Windows, ":"), and the file's path
// relative to the folder with the platform separator between levels. Order: as the file
// system enumerates; callers sort. A missing folder lists nothing.
std::vector<std::string> list_files(const std::string& folder, const std::string& filter);

}  // namespace fx
