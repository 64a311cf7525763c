#pragma once
// Runs the built fxhost program and collects its exit status, standard output and
// standard error.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "definition/loader/read_file.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {

struct FxhostRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shell_quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline FxhostRun run_fxhost(const std::vector<std::string>& args, const std::string& env_prefix = "") {
    TempFolder temp;
    std::string command = env_prefix + " " + shell_quoted(FX_FXHOST_PROGRAM);
    for (const std::string& arg : args) command += " " + shell_quoted(arg);
    command += " 2>" + shell_quoted(temp / "stderr.txt");
    FxhostRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) run.out.append(chunk, got);
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = read_file(temp / "stderr.txt");
    return run;
}

}  // namespace fx::test
