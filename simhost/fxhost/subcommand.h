#pragma once
// A subcommand of fxhost: its name on the command line, a one-line summary for the usage
// text and the function that runs it with the arguments after its name. The result is
// the process's exit status.
#include <string>
#include <vector>

namespace fx::fxhost {

struct Subcommand {
    const char* name;
    const char* usage;  // arguments, as shown after the name
    const char* summary;
    int (*run)(const std::vector<std::string>& args);
};

// Every subcommand, in the order the usage text lists them.
const std::vector<Subcommand>& subcommands();

// Usage text for all subcommands.
std::string usage_text();

int run_about(const std::vector<std::string>& args);
int run_describe(const std::vector<std::string>& args);
int run_describe_host(const std::vector<std::string>& args);
int run_project(const std::vector<std::string>& args);
int run_panel(const std::vector<std::string>& args);
int run_render(const std::vector<std::string>& args);
int run_sequence(const std::vector<std::string>& args);

}  // namespace fx::fxhost
