#include "platform/app_data_folder.h"

#include <windows.h>
// shlobj.h needs the declarations of windows.h first.
#include <shlobj.h>

namespace fx::platform {

std::string app_data_folder(DataScope scope) {
    char buffer[MAX_PATH] = {};
    int csidl = scope == DataScope::per_user ? CSIDL_APPDATA : CSIDL_COMMON_APPDATA;
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
    std::string path(buffer);
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

}  // namespace fx::platform
