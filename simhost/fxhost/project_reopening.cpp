#include "simhost/fxhost/project_reopening.h"

#include <cstdlib>
#include <filesystem>

#include "definition/loader/load_definition.h"
#include "platform/environment_variable.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/project_values.h"
#include "simhost/saved_project.h"

namespace fx::fxhost {

std::optional<std::string> project_definition(const ProjectFile& project, const std::string& project_path,
                                              const std::optional<std::string>& given) {
    if (given || !project.definition) return given ? given : project.definition;
    if (platform::file_kind(*project.definition) != platform::FileKind::missing) return project.definition;
    const std::filesystem::path beside =
        std::filesystem::path(project_path).parent_path() / std::filesystem::path(*project.definition).filename();
    if (platform::is_regular_file(beside.string())) return beside.string();
    return project.definition;
}

ReopenedEffect reopen_project_file(const ProjectFile& project, const std::string& project_path, EffectChoice choice) {
    const bool given = choice.definition.has_value();
    choice.definition = project_definition(project, project_path, choice.definition);
    choice.premiere = choice.premiere || project.premiere;
    if (!choice.definition) platform::unset_environment_variable(kDefinitionFileVariable);  // the project was saved under the built-in text
    ReopenedEffect reopened;
    try {
        reopened.effect = std::make_unique<AppliedEffect>(choice);
    } catch (const CommandFailure& failure) {
        if (given || !project.definition) throw;
        throw CommandFailure(std::string(failure.what()) + " (the definition the project " + project_path +
                             " was saved under; give --definition FILE to reopen it under another)");
    }
    AppliedEffect& effect = *reopened.effect;
    required(effect, PF_Cmd_GLOBAL_SETUP, "global set-up");
    reopened.params = required(effect, PF_Cmd_PARAMS_SETUP, "parameter set-up");
    points_in_layer_pixels(effect.host());
    reopened.params_not_restored = restore_values(effect.host(), project.params);
    reopened.resetup =
        effect.quietly([&] { return reopen_project(effect.host(), effect.plugin(), project.sequence_data); });
    return reopened;
}

}  // namespace fx::fxhost
