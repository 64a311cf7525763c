// Global set-up and teardown of the built plug-in with its own, built-in definition and a
// real OpenGL context: the renderer is made at set-up and ended at teardown.
#include <gtest/gtest.h>

#include <cstdlib>

#include "definition/loader/load_definition.h"
#include "host/global_state.h"
#include "host/registration.h"
#include "platform/environment_variable.h"
#include "render/gl/gl_renderer.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"
#include "tests/render/gl_test_support.h"

namespace fx {
namespace {

class GlobalSetupGl : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        // The shipped definition, not a developer's file.
        platform::unset_environment_variable(kDefinitionFileVariable);
    }
    void TearDown() override {
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
};

TEST_F(GlobalSetupGl, TheShippedEffectStartsWithItsRendererAndReportsTheResourceVersion) {
    const CommandResult r = plugin_.call(PF_Cmd_GLOBAL_SETUP);
    ASSERT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.my_version, registration::kEffectVersion) << "set-up and the resource describe one release";
    ASSERT_NE(r.out.global_data, nullptr);
    auto* state = static_cast<GlobalState*>(host_.handles().lock(r.out.global_data));
    ASSERT_NE(state, nullptr);
    ASSERT_NE(state->renderer, nullptr);
    EXPECT_NE(state->renderer->context(), nullptr);
    EXPECT_NE(state->renderer->state(), RendererState::empty) << "the GL resources were made";
    host_.handles().unlock(r.out.global_data);
    EXPECT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETDOWN).result, PF_Err_NONE);
}

}  // namespace
}  // namespace fx
