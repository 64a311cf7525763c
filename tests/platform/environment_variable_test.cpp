#include "platform/environment_variable.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fx::platform {
namespace {

constexpr const char* kName = "FX_ENVIRONMENT_VARIABLE_TEST";

TEST(EnvironmentVariable, SetReadBackAndUnsetAsTheRuntimeSeesIt) {
    unset_environment_variable(kName);
    EXPECT_EQ(environment_variable(kName), std::nullopt);
    set_environment_variable(kName, "C:\\Data\\My Presets=1");
    EXPECT_EQ(environment_variable(kName), "C:\\Data\\My Presets=1");
    // What the engine's own readers use sees the change too.
    ASSERT_NE(std::getenv(kName), nullptr);
    EXPECT_STREQ(std::getenv(kName), "C:\\Data\\My Presets=1");
    set_environment_variable(kName, "second");
    EXPECT_EQ(environment_variable(kName), "second");
    unset_environment_variable(kName);
    EXPECT_EQ(environment_variable(kName), std::nullopt);
    EXPECT_EQ(std::getenv(kName), nullptr);
}

TEST(EnvironmentVariable, RestorePutsBackAValueOrTheAbsence) {
    set_environment_variable(kName, "before");
    const std::optional<std::string> saved = environment_variable(kName);
    set_environment_variable(kName, "during");
    restore_environment_variable(kName, saved);
    EXPECT_EQ(environment_variable(kName), "before");
    restore_environment_variable(kName, std::nullopt);
    EXPECT_EQ(environment_variable(kName), std::nullopt);
}

}  // namespace
}  // namespace fx::platform
