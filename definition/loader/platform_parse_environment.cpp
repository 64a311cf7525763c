#include "definition/loader/platform_parse_environment.h"

#include "definition/loader/builtin_text.h"
#include "definition/loader/list_files.h"
#include "definition/loader/read_file.h"
#include "definition/parser_message.h"
#include "platform/app_data_folder.h"
#include "platform/regular_file.h"

namespace fx {
namespace {

// A missing include contributes nothing silently, as it always has; one that names a
// pipe, device or folder is refused at once and said so, since its author likely meant
// a file.
std::string read_include(const std::string& path, std::size_t max_bytes) {
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other) {
        report_parser_message("definition include \"" + path +
                              "\": not a regular file (a folder, pipe or device), expected a file; it contributes"
                              " nothing");
        return {};
    }
    return read_file(path, max_bytes);
}

}  // namespace

ParseEnvironment platform_parse_environment() {
    ParseEnvironment env;
    env.read_file = read_include;
    env.list_files = [](const std::string& folder, const std::string& filter) { return list_files(folder, filter); };
    env.common_app_data_folder = [] { return platform::app_data_folder(platform::DataScope::all_users); };
    env.user_app_data_folder = [] { return platform::app_data_folder(platform::DataScope::per_user); };
    env.default_vertex_shader = [] { return builtin_text(BuiltinText::default_vertex_shader); };
    env.default_dialog_button = [] { return builtin_text(BuiltinText::options_label); };
    return env;
}

}  // namespace fx
