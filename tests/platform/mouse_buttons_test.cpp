// The mouse-button query: on Windows the system's button state, elsewhere the button the
// host says it delivered the click with.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>
#include <string>
#include <vector>

#include "platform/mouse_buttons.h"
#include "scoped_env.h"

namespace fx::test {
namespace {

#ifndef _WIN32
TEST(MouseButtons, HeldWhenTheHostNamesAButton) {
    struct Case {
        std::optional<std::string> value;
        bool held;
    };
    const std::vector<Case> cases = {
        {std::nullopt, true},  // a host that says nothing has just seen a button pressed
        {"left", true},       {"right", true}, {"middle", true},   {"none", false},
        {"", false},          {"LEFT", false}, {"leftish", false},
    };
    for (const Case& c : cases) {
        ScopedEnv env;
        env.set(platform::kMouseButtonsVariable, c.value);
        EXPECT_EQ(platform::mouse_button_down(), c.held) << (c.value ? *c.value : "(unset)");
    }
}
#else
void send_mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

// The left button pressed and let go through the system's input queue, and the middle
// one: held only while down.
TEST(MouseButtons, FollowTheSystemsButtonState) {
    EXPECT_FALSE(platform::mouse_button_down());
    send_mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(platform::mouse_button_down());
    send_mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(platform::mouse_button_down());
    send_mouse(MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_TRUE(platform::mouse_button_down());
    send_mouse(MOUSEEVENTF_MIDDLEUP);
    EXPECT_FALSE(platform::mouse_button_down());
}
#endif

}  // namespace
}  // namespace fx::test
