#include "simhost/custom_ui_events.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/environment_variable.h"
#include "platform/mouse_buttons.h"

namespace fx {
namespace {

const char* button_word(MouseButton button) {
    switch (button) {
        case MouseButton::left:
            return "left";
        case MouseButton::right:
            return "right";
        case MouseButton::middle:
            return "middle";
        case MouseButton::none:
            break;
    }
    return "none";
}

// The button word for one command, the caller's own setting restored afterwards.
class HeldButton {
public:
    explicit HeldButton(MouseButton button) : before_(platform::environment_variable(platform::kMouseButtonsVariable)) {
        platform::set_environment_variable(platform::kMouseButtonsVariable, button_word(button));
    }
    ~HeldButton() { platform::restore_environment_variable(platform::kMouseButtonsVariable, before_); }
    HeldButton(const HeldButton&) = delete;
    HeldButton& operator=(const HeldButton&) = delete;

private:
    std::optional<std::string> before_;
};

PF_EventExtra control_event(PF_EventType type, PF_ParamIndex index, const PF_LRect& frame, PF_EffectArea area) {
    PF_EventExtra extra{};
    extra.e_type = type;
    extra.effect_win.index = index;
    extra.effect_win.area = area;
    extra.effect_win.current_frame = frame;
    return extra;
}

}  // namespace

PF_EventExtra draw_event(PF_ParamIndex index, const PF_LRect& frame, DrawingCanvas& canvas, PF_EffectArea area) {
    PF_EventExtra extra = control_event(PF_Event_DRAW, index, frame, area);
    extra.contextH = canvas.context();
    extra.u.draw.update_rect = frame;
    return extra;
}

PF_EventExtra click_event(PF_ParamIndex index, const PF_LRect& frame, int x, int y) {
    PF_EventExtra extra = control_event(PF_Event_DO_CLICK, index, frame, PF_EA_CONTROL);
    extra.u.do_click.screen_point.h = frame.left + x;
    extra.u.do_click.screen_point.v = frame.top + y;
    extra.u.do_click.num_clicks = 1;
    return extra;
}

CommandResult deliver_click(LoadedPlugin& plugin, PF_EventExtra& click, MouseButton held) {
    const HeldButton button(held);
    return plugin.call(PF_Cmd_EVENT, &click);
}

}  // namespace fx
