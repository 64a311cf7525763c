#include "interactive/image_control_click.h"

#include "host/image_records.h"
#include "interactive/image_index.h"
#include "interactive/image_loading.h"
#include "interactive/later_actions.h"
#include "interactive/param_state_reapply.h"
#include "interactive/param_ui_update.h"

namespace fx {
namespace {

// The buttons' rows within the strip: next up to here, previous below it down to a third
// of the 100-pixel control the buttons were designed for, the file button after that.
constexpr int kNextButtonLastRow = 16;
constexpr double kFileButtonFirstRow = 100.0 / 3.0;
// Parameter 6 is nudged by this much, too little to change any picture.
constexpr double kPremiereNudge = 0.0000001;
constexpr PF_ParamIndex kPremiereNudgedParam = 6;

void choose_file(PanelCommand& command, int image_index, const ImageHolder* holder) {
    const auto path = choose_image_file(holder != nullptr ? image_dialog_start(*holder) : std::string());
    if (!path) return;
    load_image_parameter(command, *path, image_index);
    ReapplyParamStates(command);
}

void step_sibling(PanelCommand& command, int image_index, const ImageHolder& holder, bool next) {
    // A copy: loading replaces the holder's list.
    const auto sibling = sibling_to_step_to(holder, next);
    if (!sibling) return;
    load_image_parameter(command, *sibling, image_index);
    ReapplyParamStates(command);
}

void nudge_premiere_cache(PanelCommand& command) {
    const PF_ParamDef* nudged = command.param(kPremiereNudgedParam);
    // A definition with fewer parameters has nothing to nudge; the host re-renders anyway.
    if (nudged == nullptr) return;
    command.out_data->out_flags |= PF_OutFlag_REFRESH_UI;
    PF_ParamDef copy = *nudged;
    copy.u.fs_d.value += kPremiereNudge;
    update_param_ui(command, kPremiereNudgedParam, copy);
}

}  // namespace

void ImageControlClick(PanelCommand& command, int index, const PF_EventExtra& event) {
    const int image_index = image_index_of(command.definition, index);
    const ImageHolder* holder = image_index < kSequenceImages ? command.state.images[image_index] : nullptr;
    const long long x = static_cast<long long>(event.u.do_click.screen_point.h) - event.effect_win.current_frame.left;
    const long long y = static_cast<long long>(event.u.do_click.screen_point.v) - event.effect_win.current_frame.top;
    const int thumb_width = command.definition.settings.imgwidth;
    if (holder == nullptr || x <= thumb_width || static_cast<double>(y) >= kFileButtonFirstRow ||
        holder->siblings.empty()) {
        choose_file(command, image_index, holder);
    } else {
        step_sibling(command, image_index, *holder, y <= kNextButtonLastRow);
    }
    command.out_data->out_flags |= PF_OutFlag_FORCE_RERENDER;
    if (command.premiere) nudge_premiere_cache(command);
}

}  // namespace fx
