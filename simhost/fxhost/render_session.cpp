#include "simhost/fxhost/render_session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "PrSDKAESupport.h"
#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "platform/environment_variable.h"
#include "platform/regular_file.h"
#include "render/gl/gl_context.h"
#include "simhost/fxhost/picture_bridge.h"
#include "simhost/fxhost/picture_choice.h"
#include "simhost/fxhost/project_values.h"
#include "simhost/pictures/picture_file.h"

namespace fx::fxhost {
namespace {

std::string kind_problem(const std::string& path) {
    switch (platform::file_kind(path)) {
        case platform::FileKind::missing:
            return "no such file";
        case platform::FileKind::folder:
            return "is a folder";
        case platform::FileKind::other:
            return "not a regular file (a pipe, socket or device)";
        case platform::FileKind::regular:
            break;
    }
    return "";
}

PF_PixelFormat pixel_format(const HostChoice& choice) {
    if (choice.premiere) {
        // Premiere Pro renders effects in 8-bit or float BGRA; it has no 16-bit format.
        if (choice.depth == 16) throw UsageError("--depth 16: Premiere Pro has no 16-bit format, expected 8 or 32");
        return choice.depth == 8 ? PrPixelFormat_BGRA_4444_8u : PrPixelFormat_BGRA_4444_32f;
    }
    switch (choice.depth) {
        case 16:
            return PF_PixelFormat_ARGB64;
        case 32:
            return PF_PixelFormat_ARGB128;
        default:
            return PF_PixelFormat_ARGB32;
    }
}

// Carriage returns and newlines of the plug-in's message, made one line.
std::string one_line(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::uint8_t byte_of(double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

std::unique_ptr<EffectDefinition> definition_the_plugin_loads() {
    auto def = std::make_unique<EffectDefinition>();
    ParseEnvironment env = platform_parse_environment();
    // The plug-in reports its own reading of the text; this second reading stays quiet.
    env.diagnostics = [](const ParseDiagnostic&) {};
    DefinitionText source = obtain_definition_text(builtin_text(BuiltinText::definition));
    parse_loaded_definition(*def, std::move(source.text), env);
    return def;
}

bool registers_a_host_parameter(std::int32_t type) { return type >= kParamInt && type <= kParamImage; }

}  // namespace

pictures::Picture input_picture(const std::string& path) {
    try {
        return pictures::read_picture(path);
    } catch (const pictures::PictureError& error) {
        throw EffectRunError(std::string("input ") + error.what());
    }
}

RenderSession::RenderSession(const HostChoice& choice, FrameSize frame_size, A_long total_time,
                             const ProjectFile* project)
    : host_([&] {
          HostSettings s;
          s.app = choice.premiere ? HostApp::premiere_pro : HostApp::after_effects;
          s.width = frame_size.width;
          s.height = frame_size.height;
          s.time_scale = kTimeScale;
          s.time_step = 1;
          s.total_time = std::max<A_long>(1, total_time);
          s.pixel_format = pixel_format(choice);
          return s;
      }()),
      path_(choice.classic ? RenderPath::classic : RenderPath::smart),
      depth_(choice.depth) {
    if (!choice.definition.empty()) {
        if (const std::string problem = kind_problem(choice.definition); !problem.empty())
            throw EffectRunError("--definition " + choice.definition + ": " + problem + ", expected a definition file");
        // The plug-in reads the definition file this variable names, as a user trying a
        // definition without rebuilding would set it.
        platform::set_environment_variable(kDefinitionFileVariable, choice.definition);
    }
    if (const std::string problem = kind_problem(choice.plugin); !problem.empty())
        throw EffectRunError("--plugin " + choice.plugin + ": " + problem + ", expected the plug-in library");
    definition_ = definition_the_plugin_loads();
    // --set values are read before the plug-in starts, so a typing error costs nothing.
    std::vector<ParamSetting> settings;
    for (const std::string& text : choice.sets) settings.push_back(parse_param_setting(*definition_, text));
    try {
        instance_ = std::make_unique<EffectInstance>(host_, choice.plugin, project ? &project->sequence_data : nullptr);
    } catch (const std::exception& error) {
        throw EffectRunError(std::string("plug-in ") + choice.plugin + ": " + one_line(error.what()));
    }
    const int count = std::clamp(definition_->settings.param_count, 1, kSlotCount);
    for (int slot = 1; slot < count; ++slot)
        if (definition_->params[slot].type == kParamLayer) layer_slots_.push_back(slot);
    if (project != nullptr) {
        if (const int skipped = restore_render_values(host_, project->params, project->layer_size); skipped > 0)
            warnings_.push_back("warning: " + std::to_string(skipped) +
                                " of the project's values describe no parameter of this effect at their place (another "
                                "type or id) and were left at their defaults");
        warn_of_lost_pictures();
    }
    for (const ParamSetting& setting : settings) apply(setting);
}

RenderSession::~RenderSession() = default;

int RenderSession::progress_slot() const {
    const int count = std::clamp(definition_->settings.param_count, 1, kSlotCount);
    for (int slot = 1; slot < count; ++slot)
        if (definition_->params[slot].type == kParamFloat) return slot;
    return -1;
}

bool RenderSession::was_set(int slot) const {
    return std::find(set_slots_.begin(), set_slots_.end(), slot) != set_slots_.end();
}

PF_ParamIndex RenderSession::host_index(int slot) const {
    PF_ParamIndex index = 0;
    for (int s = 1; s <= slot && s < kSlotCount; ++s)
        if (registers_a_host_parameter(definition_->params[s].type)) ++index;
    return index;
}

void RenderSession::set_float(int slot, double value, A_long from_time) {
    instance_->set_float(host_index(slot), value, from_time);
}

void RenderSession::apply(const ParamSetting& setting) {
    const PF_ParamIndex index = host_index(setting.slot);
    const auto& v = setting.values;
    switch (setting.type) {
        case kParamInt:
        case kParamFloat:
            instance_->set_float(index, v[0]);
            break;
        case kParamAngle:
            instance_->set_angle(index, v[0]);
            break;
        case kParamPoint:
        case kParamVec2:
            instance_->set_point(index, v[0], v[1]);
            break;
        case kParamVec3:
            instance_->set_point_3d(index, v[0], v[1], v[2]);
            break;
        case kParamColor:
            instance_->set_color(index, PF_Pixel{255, byte_of(v[0]), byte_of(v[1]), byte_of(v[2])});
            break;
        case kParamPopup:
            instance_->set_popup(index, static_cast<int>(v[0]));
            break;
        case kParamCheck:
            instance_->set_checkbox(index, v[0] != 0);
            break;
        case kParamImage:
            choose(setting, index);
            break;
        default:
            return;
    }
    set_slots_.push_back(setting.slot);
}

// The picture goes to the plug-in as a user chooses it in the panel. A file that is not
// there is the user's mistake and stops the render; one the plug-in cannot decode renders
// with its checkerboard placeholder, as in the panel, and the user is told.
void RenderSession::choose(const ParamSetting& setting, PF_ParamIndex index) {
    if (const std::string problem = kind_problem(setting.picture); !problem.empty())
        throw ParamSettingError("--set " + setting.text + ": " + problem + ", expected a PNG or JPEG picture");
    const CommandResult result = choose_picture(instance_->plugin(), index, setting.picture);
    if (result.result != PF_Err_NONE)
        throw EffectRunError("--set " + setting.text + ": the plug-in answered error " + std::to_string(result.result) +
                             " to the picture's choice" +
                             (result.message().empty() ? "" : ": " + one_line(result.message())));
    if (shows_placeholder(setting.slot))
        warnings_.push_back("warning: --set " + setting.text +
                            ": the plug-in could not load the picture (a PNG file, "
                            "or a JPEG file by its extension) and renders its checkerboard placeholder instead");
}

bool RenderSession::shows_placeholder(int slot) {
    int image_index = -1;
    for (int s = 1; s <= slot && s < kSlotCount; ++s)
        if (definition_->params[s].type == kParamImage) ++image_index;
    const EffectSettings& s = definition_->settings;
    return fxhost::shows_placeholder(host_, instance_->plugin(), image_index, std::max(s.imgwidth, 1),
                                     std::max(s.imgheight, 1));
}

// A project's picture that is no longer where the project says, and not found through
// the known-folder list either, renders as the placeholder; the user learns which.
void RenderSession::warn_of_lost_pictures() {
    const int count = std::clamp(definition_->settings.param_count, 1, kSlotCount);
    int image_index = -1;
    for (int slot = 1; slot < count; ++slot) {
        if (definition_->params[slot].type != kParamImage) continue;
        const std::string reference = image_reference(host_, instance_->plugin(), ++image_index);
        if (!reference.empty() && shows_placeholder(slot))
            warnings_.push_back("warning: the project's picture " + reference + " for " +
                                definition_->params[slot].display.str() +
                                " could not be loaded (if it was moved, list its new folder in imgpaths.txt); its "
                                "checkerboard placeholder renders instead");
    }
}

void RenderSession::set_input(const pictures::Picture& picture) { instance_->set_input(Clip{{host_picture(picture)}}); }

void RenderSession::set_layer(int layer, const pictures::Picture& picture) {
    instance_->set_layer(host_index(layer_slots_.at(static_cast<std::size_t>(layer))), Clip{{host_picture(picture)}});
}

pictures::Picture RenderSession::render(A_long time) {
    RenderedFrame frame = instance_->render(time, path_);
    const std::string when = "frame at " + std::to_string(time) + "/" + std::to_string(kTimeScale) + " s";
    if (frame.result != PF_Err_NONE || !frame.output) {
        std::string why = one_line(frame.message);
        // A frame can fail without a word when the shaders did not build; the Options
        // button rebuilds them and shows their log, as a user would find it.
        if (why.empty()) why = one_line(instance_->plugin().call(PF_Cmd_DO_DIALOG).message());
        if (why.empty()) {
            const std::unique_ptr<GlContext> context = create_gl_context();
            why = context && context->usable() ? "no message from the plug-in"
                                               : "no OpenGL context (the plug-in renders with OpenGL through EGL; "
                                                 "is a GPU driver or Mesa installed?)";
        }
        throw EffectRunError(when + ": the plug-in failed with error " + std::to_string(frame.result) + ": " + why);
    }
    return file_picture(frame.output->picture());
}

}  // namespace fx::fxhost
