// fxhost about [--plugin FILE]: loads the plug-in the way the host does, prints what it
// registered (the registration call and the record in the library file), then runs global
// set-up, About and global set-down and prints the About text and what the host saw.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "AE_Effect.h"
#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {
namespace {

std::string hex32(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// Carriage returns separate the About text's lines, as the host's About box shows them.
std::string printable_lines(const std::string& message) {
    std::string text;
    for (char c : message) text += (c == '\r') ? '\n' : c;
    return text;
}

void print_registration(const Registration& reg) {
    std::cout << "registration (PluginDataEntryFunction, " << reg.calls << " call, result " << reg.result << ")\n"
              << "  name         " << reg.name << "\n"
              << "  match name   " << reg.match_name << "\n"
              << "  category     " << reg.category << "\n"
              << "  entry point  " << reg.entry_point << "\n"
              << "  kind         " << hex32(std::uint32_t(reg.kind)) << "\n"
              << "  API version  " << reg.api_major << "." << reg.api_minor << "\n"
              << "  reserved     " << reg.reserved_info << "\n";
}

void print_pipl(const LoadedPlugin& plugin) {
    const auto record = plugin.pipl();
    if (!record) {
        std::cout << "registration record: none in " << plugin.path() << "\n";
        return;
    }
    std::cout << "registration record (" << record->count << " properties)\n";
    for (const PiplProperty& p : record->properties) {
        std::cout << "  " << p.key << "  ";
        if (p.key == "name" || p.key == "catg" || p.key == "eMNA")
            std::cout << '"' << p.pascal_text() << '"';
        else if (p.key == "8664")
            std::cout << '"' << p.c_text() << '"';
        else if (p.key == "kind")
            std::cout << p.four_cc();
        else if (p.key == "ePVR" || p.key == "eSVR")
            std::cout << p.i16(0) << "." << p.i16(1);
        else if (p.length >= 4)
            std::cout << hex32(p.u32());
        else
            std::cout << p.i16(0);
        std::cout << "\n";
    }
}

// The definition the plug-in loaded at set-up: its name and version, and where it came
// from.
void print_definition() {
    const std::unique_ptr<EffectDefinition> definition = read_plugin_definition();
    const std::string origin = obtain_definition_text(builtin_text(BuiltinText::definition)).path;
    const EffectSettings& s = definition->settings;
    std::cout << "definition: " << s.name.view() << " v" << s.version[0] << "." << s.version[1] << "." << s.version[2]
              << " (" << (origin.empty() ? "built-in" : origin) << ")\n";
}

void print_command(const char* name, const CommandResult& result) {
    std::cout << name << ": result " << result.result;
    if (result.shows_message()) std::cout << " (shows a message)";
    std::cout << "\n";
}

}  // namespace

int run_about(const std::vector<std::string>& args) {
    std::string path = FX_DEFAULT_PLUGIN;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--plugin" && i + 1 < args.size()) {
            path = args[++i];
        } else {
            std::cerr << "fxhost about: unexpected argument \"" << args[i] << "\", expected --plugin FILE\n";
            return 2;
        }
    }
    // Loading a pipe or device as a library would wait forever on it; a missing file is
    // left to the loader, which says why it cannot load it.
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other) {
        std::cerr << "fxhost about: " << path << ": not a regular file (a folder, pipe or device), expected a plug-in"
                  << " library\n";
        return 1;
    }
    SimHost host;
    int status = 0;
    {
        LoadedPlugin plugin(host, path);
        std::cout << "plug-in: " << path << "\n";
        print_registration(plugin.register_plugin());
        print_pipl(plugin);

        const CommandResult setup = plugin.call(PF_Cmd_GLOBAL_SETUP);
        print_command("global set-up", setup);
        print_definition();
        const CommandResult about = plugin.call(PF_Cmd_ABOUT);
        print_command("about", about);
        std::cout << "---- About ----\n" << printable_lines(about.message()) << "\n---------------\n";
        const CommandResult setdown = plugin.call(PF_Cmd_GLOBAL_SETDOWN);
        print_command("global set-down", setdown);
        if (setup.result || about.result || setdown.result) status = 1;
    }
    const auto leaks = host.handles().leaks();
    for (const std::string& misuse : host.misuses()) std::cout << "host: " << misuse << "\n";
    std::cout << "host: " << host.log().size() << " calls recorded, " << leaks.size() << " handles never disposed\n";
    return status;
}

}  // namespace fx::fxhost
