#pragma once
// The pictures an image parameter's arrow buttons step through: the picture files of
// one folder, in byte order of their paths.
#include <cstdint>
#include <string>
#include <vector>

namespace fx {

// The folder to step through: `browse` when set, else the folder part of `path` (up to
// its last "/" or "\"; "" when it has none).
std::string browse_folder(const std::string& path, const std::string& browse);

// Full paths of the picture files directly in `folder` (names holding ".jp" or ".png" in
// any case), sorted in ascending byte order.
std::vector<std::string> sibling_pictures(const std::string& folder);

// The position of `path` among `siblings`, 0 when it is not there.
std::int32_t sibling_position(const std::vector<std::string>& siblings, const std::string& path);

}  // namespace fx
