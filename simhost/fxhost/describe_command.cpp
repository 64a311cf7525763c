// fxhost describe [--definition FILE]: parses a definition with the engine's own loader
// and parser and prints the model as JSON on standard output. Without --definition the
// text is the one the plug-in would load (FX_DEFINITION_FILE, else the built-in
// definition). The parser's diagnostics go to standard error as
// "<file>:<line>: warning: <message>" (or "error:"), and the same lines into the JSON's
// "parser_output".
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "definition/loader/read_file.h"
#include "platform/file_tree.h"
#include "platform/path.h"
#include "simhost/fxhost/definition_json.h"
#include "simhost/fxhost/subcommand.h"

namespace fx::fxhost {
namespace {

// A folder opens for reading on POSIX systems but holds no definition.
bool readable(const std::string& path) {
    if (platform::is_folder(path)) return false;
    std::FILE* file = std::fopen(platform::native_path(path).c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
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

    DefinitionText source;
    if (file_given) {
        if (file.empty() || !readable(file)) {
            std::cerr << "fxhost describe: " << file << ": cannot be read, expected a definition file\n";
            return 1;
        }
        source = {read_file(file), file};
    } else {
        source = obtain_definition_text(builtin_text(BuiltinText::definition));
        // The plug-in would load the same empty definition; say why it is empty.
        if (!source.path.empty() && !readable(source.path))
            std::cerr << "fxhost describe: " << source.path << ": cannot be read, expected a definition file"
                      << " (named by " << kDefinitionFileVariable << " or the built-in marker); describing the"
                      << " empty definition the plug-in would load\n";
    }

    auto def = std::make_unique<EffectDefinition>();
    DescribeContext context{source.path.empty() ? "built-in" : source.path, ""};
    ParseEnvironment env = platform_parse_environment();
    env.diagnostics = [&context](const ParseDiagnostic& diagnostic) {
        const std::string line = context.origin + ":" + std::to_string(diagnostic.line) + ": " +
                                 severity_word(diagnostic.severity) + ": " + diagnostic.message + "\n";
        std::cerr << line;
        context.parser_output += line;
    };
    parse_loaded_definition(*def, std::move(source.text), env);
    std::cout << definition_json(*def, context);
    return std::cout.good() ? 0 : 1;
}

}  // namespace fx::fxhost
