#pragma once
// Path texts as the engine builds them: folder levels joined with the platform separator.
#include <string>
#include <string_view>

namespace fx::platform {

#ifdef _WIN32
inline constexpr char path_separator = '\\';
#else
inline constexpr char path_separator = '/';
#endif

// True for the characters that end a folder level on this platform. Both slashes count
// everywhere because definition texts and preset paths are written with either; ':' ends
// a drive name on Windows only.
bool is_separator(char c);

// `folder` + separator + `name`; no separator is added when `folder` is empty or already
// ends in one.
std::string join_path(std::string_view folder, std::string_view name);

// The path as the operating system wants it. Texts written for Windows use "\" between
// levels; on POSIX systems those become "/" (a "\" inside a real POSIX file name is not
// reachable through this engine, a price paid for definition and preset files that work
// on both systems). On Windows the text is returned unchanged.
std::string native_path(std::string_view path);

}  // namespace fx::platform
