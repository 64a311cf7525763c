// fxhost render: one frame of the effect over pictures, written as a PNG. The inputs are
// the effect's own layer, then each layer parameter in slot order; without any, the two
// built-in pictures stand in and a transition renders at mid-progress.
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "definition/loader/load_definition.h"
#include "platform/environment_variable.h"
#include "platform/regular_file.h"
#include "simhost/fxhost/applied_effect.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/fxhost/project_reopening.h"

#include "simhost/fxhost/render_session.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/pictures/default_pictures.h"
#include "simhost/pictures/picture_file.h"

namespace fx::fxhost {
namespace {

// The project --project names, read before the effect starts; the host choice then takes
// the project's definition (unless --definition gives one) and its host.
std::optional<ProjectFile> project_of(RenderOptions& options) {
    if (options.project.empty()) return std::nullopt;
    ProjectFile project;
    try {
        project = read_project_file(options.project);
    } catch (const CommandFailure& failure) {
        throw EffectRunError(std::string("--project ") + failure.what());
    }
    HostChoice& host = options.host;
    if (host.definition.empty()) {
        host.definition = project_definition(project, options.project, std::nullopt).value_or("");
        if (host.definition.empty())
            platform::unset_environment_variable(kDefinitionFileVariable);  // saved under the built-in text
        else if (!platform::is_regular_file(host.definition))
            throw EffectRunError("--project " + options.project + ": the definition it was saved under, " +
                                 host.definition +
                                 ", cannot be read; give --definition FILE to render it under another");
    }
    host.premiere = host.premiere || project.premiere;
    return project;
}

int render(RenderOptions options) {
    const std::optional<ProjectFile> project = project_of(options);
    std::vector<pictures::Picture> inputs;
    const bool built_in_pictures = options.inputs.empty();
    if (built_in_pictures) {
        inputs.push_back(pictures::warm_default_picture());
        inputs.push_back(pictures::cool_default_picture());
    } else {
        for (const std::string& path : options.inputs) inputs.push_back(input_picture(path));
    }
    const FrameSize size = options.host.size.value_or(FrameSize{inputs[0].width, inputs[0].height});
    const A_long time = static_cast<A_long>(std::lround(options.time * kTimeScale));
    // A transition under Premiere Pro takes its progress from the time: the transition
    // lasts two of --time, or two frames when no time is given, so that the frame is at
    // its middle.
    const A_long total_time = std::max<A_long>(2, 2 * time);
    RenderSession effect(options.host, size, total_time, project ? &*project : nullptr);
    for (const std::string& warning : effect.warnings()) std::cerr << "fxhost render: " << warning << "\n";
    const std::size_t layers = effect.layer_slots().size();
    if (!built_in_pictures && options.inputs.size() > layers + 1)
        throw EffectRunError("--input: " + std::to_string(options.inputs.size()) +
                             " pictures given, the effect takes " + std::to_string(layers + 1) + " (its input and " +
                             std::to_string(layers) + " layers)");
    effect.set_input(inputs[0]);
    for (std::size_t k = 1; k < inputs.size() && k <= layers; ++k) effect.set_layer(static_cast<int>(k - 1), inputs[k]);

    const int progress = effect.progress_slot();
    const bool at_mid_progress =
        built_in_pictures && effect.is_transition() && progress > 0 && !effect.was_set(progress);
    if (at_mid_progress) effect.set_float(progress, 50.0);
    const A_long render_time = at_mid_progress && effect.is_premiere() && time == 0 ? 1 : time;

    const pictures::Picture result = effect.render(render_time);
    try {
        pictures::write_png(result, effect.file_bits(), options.output);
    } catch (const pictures::PictureError& error) {
        throw EffectRunError(std::string("output ") + error.what());
    }
    std::cout << "fxhost render: wrote " << options.output << " (" << result.width << " x " << result.height << ", "
              << effect.file_bits() << "-bit PNG)";
    if (built_in_pictures)
        std::cout << (at_mid_progress ? ": the transition at 50% over the built-in pictures"
                                      : " over the built-in pictures");
    std::cout << "\n";
    return 0;
}

}  // namespace

int run_render(const std::vector<std::string>& args) {
    try {
        Parsed parsed;
        const RenderOptions options = parse_render_options(args, FX_DEFAULT_PLUGIN, parsed);
        if (parsed.help_shown) return 0;
        return render(options);
    } catch (const UsageError& error) {
        std::cerr << usage_line("render", error.what()) << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "fxhost render: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace fx::fxhost
