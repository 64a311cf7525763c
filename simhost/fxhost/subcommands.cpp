#include "simhost/fxhost/subcommand.h"

namespace fx::fxhost {

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all = {
        {"about", "[--plugin FILE]", "load the plug-in like the host, print its registration and its About text",
         run_about},
        {"describe", "[--definition FILE] | --host [--premiere] [--definition FILE]",
         "parse a definition (the built-in one, or FILE) and print its model as JSON; with --host, load the plug-in"
         " like the host, run global and parameter set-up and print what the host saw",
         run_describe},
        {"project", "save [--definition FILE] [--premiere] --output PROJECT | load PROJECT [--definition FILE]",
         "apply the effect and save the project into PROJECT, or reopen PROJECT and print the restored instance",
         run_project},
        {"panel",
         "[--definition FILE] [--premiere] [--project FILE] [--answers FILE] [--png FILE] [--twirl GROUP]... "
         "[--set NAME=VALUE | --press NAME | --click NAME X,Y | --update]... [--save-project FILE]",
         "apply the effect (or reopen a project), act in its panel as a user would, print the panel's state as JSON",
         run_panel},
        {"render",
         "[--definition FILE] [--project FILE] [--input FILE]... [--set NAME=VALUE]... [--depth 8|16|32] [--size WxH] "
         "[--time SECONDS] [--premiere] [--classic] --output FILE",
         "render one frame of the effect over PNG or JPEG pictures (built-in pictures without --input) into a PNG",
         run_render},
        {"sequence", "--from A --to B --frames N [--range FIRST-LAST] [--set NAME=VALUE]... --output PATTERN",
         "render a transition from clip A to clip B (pictures or patterns like a_%04d.png) as numbered PNGs",
         run_sequence},
    };
    return all;
}

std::string usage_text() {
    std::string text = "usage: fxhost COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Subcommand& command : subcommands())
        text += std::string("  ") + command.name + " " + command.usage + "\n      " + command.summary + "\n";
    return text;
}

}  // namespace fx::fxhost
