#pragma once
// Argument parsing for fxhost's subcommands that use CLI11: one place that turns a
// refused command line into a one-line message on standard error and exit status 2, and
// --help into the subcommand's help text on standard output.
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace fx::fxhost {

// Parses `args` (the words after the subcommand's name) into `app`. Nothing when the
// command is to run; otherwise the exit status to return (0 after --help). `usage` is
// the command line as the message shows it ("project load PROJECT [--definition FILE]"),
// `command` the words that name it ("project load").
std::optional<int> parse_arguments(CLI::App& app, const std::string& command, const std::string& usage,
                                   const std::vector<std::string>& args);

}  // namespace fx::fxhost
