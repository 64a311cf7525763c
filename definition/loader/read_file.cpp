#include "definition/loader/read_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/path.h"

namespace fx {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string read_file(const std::string& path) {
    if (path.empty()) return {};
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(platform::native_path(path).c_str(), "rb"));
    if (!file) return {};
    std::string content;
    char chunk[16384];
    // Reading until the end rather than trusting the size also serves pipes and files that
    // change while they are read.
    while (content.size() < kReadFileLimit) {
        std::size_t wanted = std::min(sizeof chunk, kReadFileLimit - content.size());
        std::size_t got = std::fread(chunk, 1, wanted, file.get());
        content.append(chunk, got);
        if (got < wanted) break;
    }
    return content;
}

}  // namespace fx
