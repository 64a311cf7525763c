#pragma once
// The events the host sends a parameter's custom control in the effect-control panel:
// a draw request into a canvas, and a click at a point of the control. The click is
// delivered with a mouse button held or not, as the plug-in will find when it asks.
//
//   DrawingCanvas canvas(200, 100);
//   PF_EventExtra draw = draw_event(index, {10, 20, 85, 70}, canvas);   // left, top, right, bottom
//   plugin.call(PF_Cmd_EVENT, &draw);
//   PF_EventExtra click = click_event(index, {10, 20, 85, 70}, 52, 8);  // control-relative
//   deliver_click(plugin, click, MouseButton::left);
#include "AE_EffectUI.h"
#include "simhost/drawing_canvas.h"
#include "simhost/loaded_plugin.h"

namespace fx {

enum class MouseButton { none, left, right, middle };

// A PF_Event_DRAW for control `index` placed at `frame` in the panel, drawing into `canvas`.
PF_EventExtra draw_event(PF_ParamIndex index, const PF_LRect& frame, DrawingCanvas& canvas,
                         PF_EffectArea area = PF_EA_CONTROL);

// A PF_Event_DO_CLICK for control `index` at `frame`, at (`x`, `y`) within the control.
PF_EventExtra click_event(PF_ParamIndex index, const PF_LRect& frame, int x, int y);

// Sends the click as PF_Cmd_EVENT with `held` down for the length of the command.
CommandResult deliver_click(LoadedPlugin& plugin, PF_EventExtra& click, MouseButton held);

}  // namespace fx
