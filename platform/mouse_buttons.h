#pragma once
// Whether the user holds a mouse button at this moment. A click event can arrive late,
// after the button went up; the image control acts only on a click made with a button
// held.
//
// Windows asks the system (left and right exchanged when the user swapped them). Other
// systems have no host-independent query, so the host that delivers a click says which
// button it delivered it with in FX_MOUSE_BUTTONS: "left", "right", "middle" (held) or
// "none". Without the variable a delivered click counts as made with a button held: a
// host that says nothing has just seen one pressed.
namespace fx::platform {

inline constexpr const char* kMouseButtonsVariable = "FX_MOUSE_BUTTONS";

bool mouse_button_down();

}  // namespace fx::platform
