#pragma once
// Collects what is written to standard output (the process's file descriptor 1, so C
// stdio and C++ streams alike) between construction and finish(), so that a command can
// keep its own output clean, e.g. JSON, while library code reports on standard output.
#include <cstdio>
#include <string>

namespace fx::fxhost {

class CapturedStdout {
public:
    CapturedStdout();
    ~CapturedStdout();
    CapturedStdout(const CapturedStdout&) = delete;
    CapturedStdout& operator=(const CapturedStdout&) = delete;

    // Restores standard output and returns what was written meanwhile. Safe to call once;
    // later calls return "".
    std::string finish();

private:
    std::FILE* sink_ = nullptr;
    int saved_fd_ = -1;
};

}  // namespace fx::fxhost
