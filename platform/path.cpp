#include "platform/path.h"

namespace fx::platform {

bool is_separator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '\\' || c == '/';
#endif
}

std::string join_path(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (!out.empty() && !is_separator(out.back())) out += path_separator;
    out += name;
    return out;
}

std::string native_path(std::string_view path) {
    std::string out(path);
#ifndef _WIN32
    for (char& c : out)
        if (c == '\\') c = '/';
#endif
    return out;
}

}  // namespace fx::platform
