#include "interactive/image_siblings.h"

#include <algorithm>
#include <cctype>

#include "platform/folder_files.h"
#include "platform/path.h"

namespace fx {
namespace {

std::string lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Only the file's own name is tested: a folder called "x.png files" must not make every
// file in it a picture.
bool looks_like_picture(const std::string& name) {
    const std::string lower = lowercase(name);
    return lower.find(".jp") != std::string::npos || lower.find(".png") != std::string::npos;
}

}  // namespace

std::string browse_folder(const std::string& path, const std::string& browse) {
    if (!browse.empty()) return browse;
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::vector<std::string> sibling_pictures(const std::string& folder) {
    std::vector<std::string> paths;
    if (folder.empty()) return paths;
    const char last = folder.back();
    const bool ends_level = last == '/' || last == '\\' || last == ':';
    const std::string prefix = ends_level ? folder : folder + platform::path_separator;
    for (const std::string& name : platform::folder_files(folder))
        if (looks_like_picture(name)) paths.push_back(prefix + name);
    // std::string compares its characters as unsigned bytes.
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::int32_t sibling_position(const std::vector<std::string>& siblings, const std::string& path) {
    const auto found = std::find(siblings.begin(), siblings.end(), path);
    return found == siblings.end() ? 0 : static_cast<std::int32_t>(found - siblings.begin());
}

}  // namespace fx
