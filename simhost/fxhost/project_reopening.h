#pragma once
// Reopening a saved project as the host does: the effect applied under the project's
// definition and host, global and parameter set-up, the saved values put back, then
// PF_Cmd_SEQUENCE_RESETUP from the saved flat record (which brings back the texts, the
// visibility states and the pictures, looked for again where they were moved).
#include <memory>
#include <optional>
#include <string>

#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/project_file.h"

namespace fx::fxhost {

// The definition file a project reopens under: `given` when there is one, else the path
// the project names or, when nothing is there any more, a file of the same name beside
// the project file (a project moved together with its definition); nothing for a
// project saved under the built-in text.
std::optional<std::string> project_definition(const ProjectFile& project, const std::string& project_path,
                                              const std::optional<std::string>& given);

struct ReopenedEffect {
    std::unique_ptr<AppliedEffect> effect;
    CommandResult params;   // parameter set-up's answer
    CommandResult resetup;  // the re-set-up's answer, which the caller reports
    int params_not_restored = 0;
};

// Reopens `project`, read from `project_path`, with the plug-in `choice` names. The host
// is the project's (or the editing host when `choice` asks for it); the definition is
// project_definition's. Throws CommandFailure when a set-up the rest depends on fails or
// the definition cannot be read.
ReopenedEffect reopen_project_file(const ProjectFile& project, const std::string& project_path, EffectChoice choice);

}  // namespace fx::fxhost
