#pragma once
// The two application-data folders the engine keeps its files in: presets, image
// folder lists and the redirected definition file live in sub-folders of these.
#include <string>

namespace fx::platform {

enum class DataScope {
    all_users,  // shared by every user of the machine (read by everybody)
    per_user,   // the current user's own, roaming where the system roams profiles
};

// The folder's path without a trailing separator, or "" when the system cannot tell
// (callers then build paths relative to the current directory, which yields nothing).
//
// Windows: SHGetFolderPathA with CSIDL_COMMON_APPDATA (all users, usually
// C:\ProgramData) and CSIDL_APPDATA (per user, the roaming AppData folder).
// Linux and other POSIX systems, after the XDG base-directory conventions:
//   per_user  = $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share;
//   all_users = the first absolute entry of $XDG_DATA_DIRS, else /usr/local/share.
// Relative entries are skipped because the XDG conventions declare them invalid.
std::string app_data_folder(DataScope scope);

}  // namespace fx::platform
