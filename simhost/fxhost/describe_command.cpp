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
#include "definition/parser_message.h"
#include "platform/file_tree.h"
#include "platform/path.h"
#include "platform/regular_file.h"
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
    for (const std::string& arg : args)
        if (arg == "--host") return run_describe_host(args);
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
            std::cerr
                << "fxhost describe: unexpected argument \"" << args[i]
                << "\", expected: describe [--definition FILE] or describe --host [--premiere] [--definition FILE]\n";
            return 2;
        }
    }

    std::string origin = file_given ? file : "";
    std::string parser_output;
    // One line per diagnostic, on standard error and into the JSON: "FILE:LINE: warning:
    // ...", or "FILE: warning: ..." for what concerns the text as a whole.
    auto report = [&origin, &parser_output](const ParseDiagnostic& diagnostic) {
        const std::string place = diagnostic.line > 0 ? origin + ":" + std::to_string(diagnostic.line) : origin;
        const std::string line = place + ": " + severity_word(diagnostic.severity) + ": " + diagnostic.message + "\n";
        std::cerr << line;
        parser_output += line;
    };
    // The loader's own messages (a definition file that is a pipe, say) are diagnostics
    // of the text too, not lines in front of the JSON.
    ParserMessageRoute route([&report](std::string_view message) {
        report(ParseDiagnostic{0, ParseDiagnostic::Severity::warning, std::string(message)});
    });
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
        origin = source.path.empty() ? "built-in" : source.path;
        // The plug-in would load the same empty definition; say why it is empty.
        if (!source.path.empty() && !readable(source.path))
            std::cerr << "fxhost describe: " << source.path << ": " << unreadable_reason(source.path)
                      << ", expected a definition file"
                      << " (named by " << kDefinitionFileVariable << " or the built-in marker); describing the"
                      << " empty definition the plug-in would load\n";
    }

    auto def = std::make_unique<EffectDefinition>();
    ParseEnvironment env = platform_parse_environment();
    env.diagnostics = report;
    parse_loaded_definition(*def, std::move(source.text), env);
    DescribeContext context{origin, parser_output};
    std::cout << definition_json(*def, context);
    return std::cout.good() ? 0 : 1;
}

}  // namespace fx::fxhost
