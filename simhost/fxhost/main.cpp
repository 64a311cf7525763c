// fxhost COMMAND [ARGUMENTS]: runs one subcommand of the simulated host.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "simhost/fxhost/subcommand.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << fx::fxhost::usage_text();
        return args.empty() ? 2 : 0;
    }
    for (const fx::fxhost::Subcommand& command : fx::fxhost::subcommands()) {
        if (args[0] != command.name) continue;
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::exception& error) {
            std::cerr << "fxhost " << command.name << ": " << error.what() << "\n";
            return 1;
        }
    }
    std::cerr << "fxhost: unknown command \"" << args[0] << "\", expected one of:";
    for (const fx::fxhost::Subcommand& command : fx::fxhost::subcommands()) std::cerr << " " << command.name;
    std::cerr << "\n";
    return 2;
}
