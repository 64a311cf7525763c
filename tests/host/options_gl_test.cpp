// The Options command with a real renderer: it reloads the definition from its file and
// shows the shader build result in the host's message area.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "definition/effect_definition.h"
#include "definition/loader/load_definition.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/suite_cache.h"
#include "platform/environment_variable.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"
#include "simhost/sim_host.h"
#include "tests/render/gl_test_support.h"

namespace fx {
namespace {

class OptionsGlTest : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // One file per test process: ctest runs the tests of this file side by side.
        path_ = ::testing::TempDir() + "options_gl_test_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".fxdef";
        write_definition("[settings]\nname=Options Test\n[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
        platform::set_environment_variable(kDefinitionFileVariable, path_);
        load_definition();

        renderer_.set_definition(&effect_definition());
        renderer_.create_context();
        renderer_.create_resources();

        global_ = host_.utils()->host_new_handle(kGlobalStateHandleSize);
        auto* state = static_cast<GlobalState*>(host_.utils()->host_lock_handle(global_));
        *state = GlobalState{};
        state->initialized = 1;
        state->renderer = &renderer_;
        state->suites = suites_;
        host_.utils()->host_unlock_handle(global_);

        in_ = host_.make_in_data(global_, nullptr);
        out_ = SimHost::make_out_data(global_, nullptr);
        host_.texts().add(out_.return_msg, sizeof out_.return_msg);
    }

    void TearDown() override {
        platform::unset_environment_variable(kDefinitionFileVariable);
        if (global_ == nullptr) return;
        host_.texts().remove(out_.return_msg);
        renderer_.release_resources();
        delete suites_;
        suites_ = nullptr;
        host_.utils()->host_dispose_handle(global_);
        std::remove(path_.c_str());
    }

    void write_definition(const std::string& text) {
        std::ofstream file(path_, std::ios::binary | std::ios::trunc);
        file << text;
    }

    SimHost host_;
    SuiteCache* suites_ = new SuiteCache(host_.basic_suite());
    GlRenderer renderer_{builtin_shader_texts()};
    std::string path_;
    PF_Handle global_ = nullptr;
    PF_InData in_{};
    PF_OutData out_{};
};

TEST_F(OptionsGlTest, CleanBuildShowsTheConfirmation) {
    ASSERT_EQ(options_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    std::string expected = shader_builtin_text(ShaderBuiltinText::shader_confirmation);
    EXPECT_EQ(std::string(out_.return_msg), expected.substr(0, 200));
    EXPECT_EQ(host_.log().count("strcpy"), 1u);
}

TEST_F(OptionsGlTest, EditedDefinitionIsReloadedAndItsCompileErrorShown) {
    write_definition("[settings]\nname=Edited\n[ps0]\nvoid main() { this is not a shader }\n");
    ASSERT_EQ(options_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    EXPECT_EQ(effect_definition().settings.name.str(), "Edited");
    const std::string message = out_.return_msg;
    EXPECT_EQ(message.rfind("[0]: ", 0), 0u) << message;
    EXPECT_LE(message.size(), 200u);
}

}  // namespace
}  // namespace fx
