#include "simhost/fxhost/cli_arguments.h"

#include <iostream>

namespace fx::fxhost {

std::optional<int> parse_arguments(CLI::App& app, const std::string& command, const std::string& usage,
                                   const std::vector<std::string>& args) {
    // CLI11 takes a word list from its end.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp& help) {
        // Prints the help of the subcommand it was asked for.
        return app.exit(help, std::cout, std::cerr);
    } catch (const CLI::ParseError& error) {
        std::cerr << "fxhost " << command << ": " << error.what() << "; expected: fxhost " << usage << "\n";
        return 2;
    }
    return std::nullopt;
}

}  // namespace fx::fxhost
