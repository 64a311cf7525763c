#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "definition/effect_definition.h"
#include "definition/parse_definition.h"
#include "definition/parse_environment.h"

namespace fx::testing {

// An environment whose files and preset folders live in memory; it records what the
// parser asked for.
struct FakeEnvironment {
    std::map<std::string, std::string> files;
    std::vector<std::string> preset_files;  // returned for any folder that contains their path
    std::string common_folder = "C:\\ProgramData";
    std::string user_folder = "C:\\Users\\u\\AppData\\Roaming";
    std::vector<std::string> files_read;
    std::vector<std::string> folders_listed;
    std::vector<std::string> filters_used;

    ParseEnvironment make() {
        ParseEnvironment env = default_parse_environment();
        env.read_file = [this](const std::string& path, std::size_t) {
            files_read.push_back(path);
            const auto it = files.find(path);
            return it == files.end() ? std::string() : it->second;
        };
        env.list_files = [this](const std::string& folder, const std::string& filter) {
            folders_listed.push_back(folder);
            filters_used.push_back(filter);
            std::vector<std::string> found;
            for (const std::string& f : preset_files)
                if (f.compare(0, folder.size(), folder) == 0) found.push_back(f);
            return found;
        };
        env.common_app_data_folder = [this] { return common_folder; };
        env.user_app_data_folder = [this] { return user_folder; };
        env.default_vertex_shader = [] { return std::string("VERTEX\\nBODY"); };
        env.default_dialog_button = [] { return std::string("Built-in label"); };
        return env;
    }
};

inline std::unique_ptr<EffectDefinition> parse_text(const std::string& text, FakeEnvironment& fake) {
    auto def = std::make_unique<EffectDefinition>();
    parse_definition(*def, text, fake.make());
    return def;
}

inline std::unique_ptr<EffectDefinition> parse_text(const std::string& text) {
    FakeEnvironment fake;
    return parse_text(text, fake);
}

}  // namespace fx::testing
