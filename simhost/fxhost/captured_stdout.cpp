#include "simhost/fxhost/captured_stdout.h"

#include <unistd.h>

#include <iostream>

namespace fx::fxhost {

CapturedStdout::CapturedStdout() {
    std::cout.flush();
    std::fflush(stdout);
    sink_ = std::tmpfile();
    if (!sink_) return;  // nothing can be captured; output goes where it went before
    saved_fd_ = dup(STDOUT_FILENO);
    if (saved_fd_ < 0 || dup2(fileno(sink_), STDOUT_FILENO) < 0) {
        if (saved_fd_ >= 0) close(saved_fd_);
        saved_fd_ = -1;
        std::fclose(sink_);
        sink_ = nullptr;
    }
}

CapturedStdout::~CapturedStdout() { finish(); }

std::string CapturedStdout::finish() {
    if (!sink_) return {};
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved_fd_, STDOUT_FILENO);
    close(saved_fd_);
    saved_fd_ = -1;
    std::string text;
    std::rewind(sink_);
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, sink_)) > 0) text.append(chunk, got);
    std::fclose(sink_);
    sink_ = nullptr;
    return text;
}

}  // namespace fx::fxhost
