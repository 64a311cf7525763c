// The mouse-button query off Windows: the button the host says it delivered the click with.
#include <gtest/gtest.h>

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
#endif

}  // namespace
}  // namespace fx::test
