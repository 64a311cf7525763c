#include "definition/parse_environment.h"

namespace fx {

std::string default_vertex_shader() {
    return "#version 120\n"
           "varying vec2 uv;\n"
           "varying vec2 texcoord;\n"
           "void main() {\n"
           "  gl_Position = vec4(gl_Vertex.xy, 0.0, 1.0);\n"
           "  uv = gl_Vertex.xy * 0.5 + 0.5;\n"
           "  texcoord = uv;\n"
           "}\n";
}

std::string default_dialog_button() { return "Reload Definition"; }

ParseEnvironment default_parse_environment() {
    ParseEnvironment env;
    env.read_file = [](const std::string&, std::size_t) { return std::string(); };
    env.list_files = [](const std::string&, const std::string&) { return std::vector<std::string>(); };
    env.common_app_data_folder = [] { return std::string(); };
    env.user_app_data_folder = [] { return std::string(); };
    env.default_vertex_shader = [] { return default_vertex_shader(); };
    env.default_dialog_button = [] { return default_dialog_button(); };
    return env;
}

}  // namespace fx
