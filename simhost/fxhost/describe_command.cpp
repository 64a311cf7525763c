// fxhost describe [--definition FILE]: parses a definition with the engine's own loader
// and parser and prints the model as JSON on standard output. Without --definition the
// text is the one the plug-in would load (FX_DEFINITION_FILE, else the built-in
// definition). What the parser reports goes to standard error and into the JSON's
// "parser_output".
#include <cstdio>
#include <iostream>
#include <memory>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "definition/loader/read_file.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/captured_stdout.h"
#include "simhost/fxhost/definition_json.h"
#include "simhost/fxhost/subcommand.h"

namespace fx::fxhost {
namespace {

// Only a regular file holds a definition; a folder, pipe or device is refused without
// waiting on it (a pipe would block the open until someone writes to it).
bool readable(const std::string& path) { return platform::open_regular_file(path) != nullptr; }

std::string unreadable_reason(const std::string& path) {
    const platform::FileKind kind = platform::file_kind(path);
    return kind == platform::FileKind::folder || kind == platform::FileKind::other
               ? "not a regular file (a folder, pipe or device)"
               : "cannot be read";
}

}  // namespace

int run_describe(const std::vector<std::string>& args) {
    std::string file;
    bool file_given = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--definition" && i + 1 < args.size()) {
            file = args[++i];
            file_given = true;
        } else if (args[i].rfind("--definition=", 0) == 0) {
            file = args[i].substr(13);
            file_given = true;
        } else {
            std::cerr << "fxhost describe: unexpected argument \"" << args[i]
                      << "\", expected: describe [--definition FILE]\n";
            return 2;
        }
    }

    // The loader reports on standard output too (a definition file that is a pipe, say);
    // that belongs to the parser's output, not in front of the JSON.
    CapturedStdout capture;
    DefinitionText source;
    if (file_given) {
        if (file.empty() || !readable(file)) {
            std::cerr << "fxhost describe: " << file << ": " << unreadable_reason(file)
                      << ", expected a definition file\n";
            return 1;
        }
        source = {read_file(file), file};
    } else {
        source = obtain_definition_text(builtin_text(BuiltinText::definition));
        // The plug-in would load the same empty definition; say why it is empty.
        if (!source.path.empty() && !readable(source.path))
            std::cerr << "fxhost describe: " << source.path << ": " << unreadable_reason(source.path)
                      << ", expected a definition file"
                      << " (named by " << definition_file_variable << " or the built-in marker); describing the"
                      << " empty definition the plug-in would load\n";
    }

    auto def = std::make_unique<EffectDefinition>();
    parse_loaded_definition(*def, std::move(source.text), platform_parse_environment());
    DescribeContext context{source.path.empty() ? "built-in" : source.path, capture.finish()};
    std::cerr << context.parser_output;
    std::cout << definition_json(*def, context);
    return std::cout.good() ? 0 : 1;
}

}  // namespace fx::fxhost
