#include "definition/loader/list_files.h"

#include "platform/file_tree.h"
#include "platform/path.h"

namespace fx {
namespace {

std::string lowercase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::vector<std::string> list_files(const std::string& folder, const std::string& filter) {
    std::vector<std::string> out;
    std::string wanted = lowercase(filter);
    for (const std::string& relative : platform::list_files(folder)) {
        std::string path = platform::join_path(folder, relative);
        if (lowercase(path).find(wanted) != std::string::npos) out.push_back(std::move(path));
    }
    return out;
}

}  // namespace fx
