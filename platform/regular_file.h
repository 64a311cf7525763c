#pragma once
// What kind of thing a path names, and opening a file for reading without blocking.
// Definitions, includes and plug-in libraries may be given by anyone; a pipe (FIFO), a
// device or a socket given as one of them would block the reader forever (a FIFO waits
// for a writer, /dev/zero never ends), so only regular files are opened.
#include <cstdio>
#include <memory>
#include <string>

namespace fx::platform {

enum class FileKind {
    missing,  // nothing there, or not reachable
    regular,  // a regular file (symbolic links are followed)
    folder,
    other,  // a pipe, socket, device or anything else that is not a plain file
};

FileKind file_kind(const std::string& path);

// True when `path` names a regular file (after following links).
inline bool is_regular_file(const std::string& path) { return file_kind(path) == FileKind::regular; }

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// `path` opened for binary reading when it names a regular file; null otherwise. Never
// waits: the kind is checked before opening, and the file is opened without blocking and
// checked again, so a file swapped for a pipe in between is refused as well.
FileHandle open_regular_file(const std::string& path);

}  // namespace fx::platform
