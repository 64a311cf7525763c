#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/zenity.h"

extern char** environ;

namespace fx::platform {
namespace {

bool display_available() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

// Closes the descriptors it holds when it ends.
struct Pipe {
    int ends[2] = {-1, -1};
    ~Pipe() {
        for (int end : ends)
            if (end >= 0) close(end);
    }
    void close_end(int which) {
        close(ends[which]);
        ends[which] = -1;
    }
};

}  // namespace

ZenityResult run_zenity(const std::vector<std::string>& args) {
    ZenityResult result;
    if (!display_available()) return result;
    Pipe pipe;
    if (pipe2(pipe.ends, O_CLOEXEC) != 0) return result;

    std::vector<char*> argv;
    std::string program = "zenity";
    argv.push_back(program.data());
    std::vector<std::string> copies(args);
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe.ends[1], 1);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "zenity", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;  // no zenity: as if there were no display
    pipe.close_end(1);

    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pipe.ends[0], buffer, sizeof buffer);
        if (n > 0) {
            result.output.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    // A child that could not run zenity exits with 127: it is not there after all.
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) return result;
    result.shown = true;
    result.exit_code = WEXITSTATUS(status);
    while (!result.output.empty() && (result.output.back() == '\n' || result.output.back() == '\r'))
        result.output.pop_back();
    return result;
}

}  // namespace fx::platform
