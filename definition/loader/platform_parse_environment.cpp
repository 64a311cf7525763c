#include "definition/loader/platform_parse_environment.h"

#include "definition/loader/builtin_text.h"
#include "definition/loader/list_files.h"
#include "definition/loader/read_file.h"
#include "platform/app_data_folder.h"

namespace fx {

ParseEnvironment platform_parse_environment() {
    ParseEnvironment env;
    env.read_file = [](const std::string& path) { return read_file(path); };
    env.list_files = [](const std::string& folder, const std::string& filter) { return list_files(folder, filter); };
    env.common_app_data_folder = [] { return platform::app_data_folder(platform::DataScope::all_users); };
    env.user_app_data_folder = [] { return platform::app_data_folder(platform::DataScope::per_user); };
    env.default_vertex_shader = [] { return builtin_text(BuiltinText::default_vertex_shader); };
    env.default_dialog_button = [] { return builtin_text(BuiltinText::options_label); };
    return env;
}

}  // namespace fx
