#include "platform/app_data_folder.h"

#include <cstdlib>
#include <string_view>

namespace fx::platform {
namespace {

std::string env_text(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string without_trailing_slashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string per_user_folder() {
    std::string data_home = env_text("XDG_DATA_HOME");
    if (!data_home.empty() && data_home.front() == '/') return without_trailing_slashes(data_home);
    std::string home = env_text("HOME");
    if (home.empty() || home.front() != '/') return {};
    return without_trailing_slashes(home) + "/.local/share";
}

std::string all_users_folder() {
    std::string dirs = env_text("XDG_DATA_DIRS");
    std::string_view rest(dirs);
    while (!rest.empty()) {
        size_t colon = rest.find(':');
        std::string_view entry = rest.substr(0, colon);
        if (!entry.empty() && entry.front() == '/') return without_trailing_slashes(std::string(entry));
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return "/usr/local/share";
}

}  // namespace

std::string app_data_folder(DataScope scope) {
    return scope == DataScope::per_user ? per_user_folder() : all_users_folder();
}

}  // namespace fx::platform
