#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace fx::platform {

FileKind file_kind(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(native_path(path).c_str(), &info) != 0) return FileKind::missing;
    if (S_ISREG(info.st_mode)) return FileKind::regular;
    if (S_ISDIR(info.st_mode)) return FileKind::folder;
    return FileKind::other;
}

FileHandle open_regular_file(const std::string& path) {
    // Checking first spares devices the side effects of an open (a tape rewinds, a
    // terminal becomes the controlling one).
    if (file_kind(path) != FileKind::regular) return nullptr;
    const int fd = open(native_path(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    FileHandle file(fdopen(fd, "rb"));
    if (!file) close(fd);
    return file;
}

}  // namespace fx::platform
