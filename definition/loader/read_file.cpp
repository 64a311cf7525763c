#include "definition/loader/read_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/regular_file.h"

namespace fx {

std::string read_file(const std::string& path, std::size_t max_bytes) {
    if (path.empty()) return {};
    const platform::FileHandle file = platform::open_regular_file(path);
    if (!file) return {};
    const std::size_t limit = std::min(max_bytes, kReadFileLimit);
    std::string content;
    char chunk[16384];
    // Reading until the end rather than trusting the size also serves files that change
    // while they are read.
    while (content.size() < limit) {
        std::size_t wanted = std::min(sizeof chunk, limit - content.size());
        std::size_t got = std::fread(chunk, 1, wanted, file.get());
        content.append(chunk, got);
        if (got < wanted) break;
    }
    return content;
}

}  // namespace fx
