#include "platform/dialog_answers.h"
#include "platform/file_dialog.h"
#include "platform/zenity.h"

namespace fx::platform {
namespace {

std::vector<std::string> zenity_arguments(FileDialogAction action, const std::string& start_path,
                                          const std::string& default_name, const FilterList& filters) {
    std::vector<std::string> args{"--file-selection"};
    if (action == FileDialogAction::folder) args.push_back("--directory");
    if (action == FileDialogAction::save) {
        args.push_back("--save");
        args.push_back("--confirm-overwrite");
    }
    // zenity starts in the folder of --filename; a trailing separator names the folder itself.
    std::string start = start_path;
    if (!start.empty() && start.back() != '/') start += '/';
    if (!start.empty() || !default_name.empty()) args.push_back("--filename=" + start + default_name);
    for (const FilterGroup& group : filters)
        args.push_back("--file-filter=" + group.name + " | " + filter_pattern(group, " "));
    return args;
}

}  // namespace

std::optional<std::string> FileDialog(FileDialogAction action, const std::string& start_path,
                                      const std::string& default_name, const FilterList& filters) {
    if (std::optional<std::string> answer = next_dialog_answer()) {
        if (*answer == "cancel" || answer->empty()) return std::nullopt;
        return answer;
    }
    const ZenityResult shown = run_zenity(zenity_arguments(action, start_path, default_name, filters));
    if (!shown.shown || shown.exit_code != 0 || shown.output.empty()) return std::nullopt;
    return shown.output;
}

}  // namespace fx::platform
