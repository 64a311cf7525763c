#pragma once
// A render session: the effect as fxhost render and sequence run it: the simulated host set up from the
// command line (After Effects or Premiere Pro, the pixel format for --depth, the frame
// size), the plug-in loaded and applied, the definition it loaded read once more here to
// find parameters by name, and the --set values given to the host.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "definition/effect_definition.h"
#include "simhost/effect_instance.h"
#include "simhost/fxhost/param_setting.h"
#include "simhost/fxhost/project_file.h"
#include "simhost/fxhost/render_options.h"
#include "simhost/pictures/picture.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

// The host's time units: 30 a second, one a frame.
inline constexpr A_u_long kTimeScale = 30;

// A failure of the effect or the host, one line for the user.
class EffectRunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RenderSession {
public:
    // `frame_size` is the host's frame; throws EffectRunError, ParamSettingError. With
    // `project` the effect is the project's instance reopened, its values restored, and
    // the --set values applied on top.
    RenderSession(const HostChoice& choice, FrameSize frame_size, A_long total_time,
                  const ProjectFile* project = nullptr);
    ~RenderSession();
    RenderSession(const RenderSession&) = delete;
    RenderSession& operator=(const RenderSession&) = delete;

    const EffectDefinition& definition() const { return *definition_; }
    bool is_transition() const { return definition_->settings.transition; }
    bool is_premiere() const { return host_.is_premiere(); }
    // Layer slots (the host's layer parameters) in slot order, the effect's input not
    // counted.
    const std::vector<int>& layer_slots() const { return layer_slots_; }
    // The slot whose slider is the transition's progress: the first float slot; -1 when
    // the effect has none.
    int progress_slot() const;
    // Whether a --set gave this slot its value.
    bool was_set(int slot) const;

    // The host's parameter index of a definition slot: slots register in order, and
    // those of no host type are skipped.
    PF_ParamIndex host_index(int slot) const;

    void set_float(int slot, double value, A_long from_time = EffectInstance::kAllTimes);
    void set_input(const pictures::Picture& picture);
    void set_layer(int layer, const pictures::Picture& picture);

    // Renders the frame at `time`; throws EffectRunError naming the time when the
    // plug-in fails.
    pictures::Picture render(A_long time);
    int file_bits() const { return depth_ == 8 ? 8 : 16; }
    // What the user should know about the session although it renders: one line each.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    void apply(const ParamSetting& setting);
    void choose(const ParamSetting& setting, PF_ParamIndex index);
    // Whether the image parameter at `slot` shows the plug-in's placeholder picture.
    bool shows_placeholder(int slot);
    void warn_of_lost_pictures();

    std::unique_ptr<EffectDefinition> definition_;
    SimHost host_;
    std::unique_ptr<EffectInstance> instance_;
    std::vector<int> layer_slots_;
    std::vector<int> set_slots_;
    std::vector<std::string> warnings_;
    RenderPath path_ = RenderPath::smart;
    int depth_ = 8;
};

// The PNG or JPEG picture at `path`, one line naming the file when it cannot be read.
pictures::Picture input_picture(const std::string& path);

}  // namespace fx::fxhost
