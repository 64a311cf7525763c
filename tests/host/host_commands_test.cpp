// The About and Options commands with a GlobalState in the host's global data handle,
// called directly (global set-up, which creates the record, is not part of this test).
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "definition/effect_definition.h"
#include "definition/loader/load_definition.h"
#include "definition/parser_message.h"
#include "host/command_dispatch.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/process_mutex.h"
#include "host/suite_cache.h"
#include "platform/environment_variable.h"
#include "simhost/sim_host.h"
#include "tests/platform/temp_folder.h"

namespace fx {
namespace {

bool process_mutex_is_free() {
    // Asked from another thread: try_lock on a mutex the caller holds is undefined.
    return std::async(std::launch::async,
                      [] {
                          if (!process_mutex().try_lock()) return false;
                          process_mutex().unlock();
                          return true;
                      })
        .get();
}

class HostCommands : public ::testing::Test {
protected:
    void SetUp() override {
        EffectSettings& settings = effect_definition().settings;
        settings.name = "Definition Name";
        settings.description = "First\\nSecond 100%";
        settings.version[0] = 3;
        settings.version[1] = 1;
        settings.version[2] = 4;

        global_ = host_.utils()->host_new_handle(kGlobalStateHandleSize);
        auto* state = static_cast<GlobalState*>(host_.utils()->host_lock_handle(global_));
        *state = GlobalState{};
        state->initialized = 1;
        state->suites = suites_;
        host_.utils()->host_unlock_handle(global_);
        host_.log().clear();

        in_ = host_.make_in_data(global_, nullptr);
        out_ = SimHost::make_out_data(global_, nullptr);
        host_.texts().add(out_.return_msg, sizeof out_.return_msg);
    }

    void TearDown() override {
        host_.texts().remove(out_.return_msg);
        delete suites_;
        host_.utils()->host_dispose_handle(global_);
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    GlobalState state() {
        auto* locked = static_cast<GlobalState*>(host_.utils()->host_lock_handle(global_));
        GlobalState copy = *locked;
        host_.utils()->host_unlock_handle(global_);
        return copy;
    }

    SimHost host_;
    SuiteCache* suites_ = new SuiteCache(host_.basic_suite());
    PF_Handle global_ = nullptr;
    PF_InData in_{};
    PF_OutData out_{};
};

TEST_F(HostCommands, AboutComposesFromTheDefinitionAndUsesTheKeptSuites) {
    ASSERT_EQ(about_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    EXPECT_EQ(std::string(out_.return_msg), "Morvelline 2 Pro\rFirst\nSecond 100%\rv3.1.4, core: 23.7.8");
    ASSERT_EQ(about_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    // The ANSI suite comes from the GlobalState's cache: acquired once, still held.
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).acquired, 1);
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).released, 0);
    EXPECT_EQ(host_.log().count("host_lock_handle"), 2u);
    EXPECT_EQ(host_.log().count("host_unlock_handle"), 2u);
    EXPECT_EQ(out_.out_flags, 0);
}

TEST_F(HostCommands, AboutWithAHandleThatWillNotLockStillShowsItsText) {
    host_.faults().fail_always("host_lock_handle", PF_Err_OUT_OF_MEMORY);
    ASSERT_EQ(about_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    host_.faults().clear("host_lock_handle");
    EXPECT_EQ(std::string(out_.return_msg), "Morvelline 2 Pro\rFirst\nSecond 100%\rv3.1.4, core: 23.7.8");
    EXPECT_EQ(host_.log().count("host_unlock_handle"), 0u) << "a handle that did not lock is not unlocked";
    // Served by the command's own cache, which gave the suite back.
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).acquired, 1);
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).released, 1);
}

TEST_F(HostCommands, AboutWithoutTheHandleSuiteReturns516) {
    host_.suites().refuse("PF Handle Suite", 2, kSPSuiteNotFoundError);
    EXPECT_EQ(dispatch_command(default_command_table(), PF_Cmd_ABOUT, &in_, &out_, nullptr, nullptr, nullptr),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(std::string(out_.return_msg), "");
}

TEST_F(HostCommands, OptionsMarksTextsDirtyAndReleasesEverything) {
    effect_definition().settings.name = "stale";
    ASSERT_EQ(options_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    EXPECT_EQ(state().texts_dirty, 1);
    EXPECT_EQ(host_.log().count("host_lock_handle"), 2u);  // the command's lock and this test's
    EXPECT_EQ(host_.log().count("host_unlock_handle"), 2u);
    EXPECT_EQ(host_.suites().counts("PF Handle Suite", 2).released, 1);
    EXPECT_TRUE(process_mutex_is_free()) << "process mutex left locked";
    EXPECT_NE(effect_definition().settings.name.str(), "stale") << "the definition was not reloaded";
}

// Holds the definition reload of an Options command at a known point. The definition
// file is made a folder, which the loader refuses with a message while it reads the
// definition; the message goes to this thread's parser-message route, and the route
// waits there until the test lets it go on.
class ReloadLatch {
public:
    // Runs on the Options thread, under the process mutex when the command is right.
    void hold() {
        std::unique_lock lock(mutex_);
        reading_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
        over_ = true;
    }
    // Called on the Options thread once the command has returned, so that a reload that
    // never reached the latch fails the test instead of hanging it.
    void command_returned() {
        std::lock_guard lock(mutex_);
        returned_ = true;
        changed_.notify_all();
    }
    // True when the reload reached the latch.
    bool wait_until_reading() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reading_ || returned_; });
        return reading_;
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    bool over() {
        std::lock_guard lock(mutex_);
        return over_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reading_ = false;
    bool released_ = false;
    bool over_ = false;
    bool returned_ = false;
};

// A sequence command in a table of its own: it notes whether the Options reload had
// already ended when the process mutex let it run.
std::atomic<ReloadLatch*> watched_reload{nullptr};
std::atomic<int> sequence_ran_after_reload{-1};

PF_Err note_reload_state(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
    sequence_ran_after_reload = watched_reload.load()->over() ? 1 : 0;
    return PF_Err_NONE;
}

TEST_F(HostCommands, OptionsReloadsTheDefinitionUnderTheProcessMutex) {
    // Frames and sequence commands take the same lock, so while the definition is being
    // read the lock must be held, a sequence command must wait for the reload to end, and
    // the texts are marked dirty only once the reload is over.
    test::TempFolder temp;
    const std::string folder = temp / "definition-is-a-folder";
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    platform::set_environment_variable(kDefinitionFileVariable, folder);

    ReloadLatch latch;
    std::string reload_message;
    auto options = std::async(std::launch::async, [&] {
        ParserMessageRoute route([&](std::string_view message) {
            reload_message = std::string(message);
            latch.hold();
        });
        const PF_Err result = options_command(&in_, &out_, nullptr, nullptr);
        latch.command_returned();
        return result;
    });
    if (!latch.wait_until_reading()) {
        platform::unset_environment_variable(kDefinitionFileVariable);
        FAIL() << "the reload reported nothing about the folder given as its definition file";
    }
    // The reload is in progress now and cannot end before the latch is released.
    const bool free_during_reload = process_mutex_is_free();
    const std::uint8_t dirty_during_reload = state().texts_dirty;

    CommandTable table = default_command_table();
    table.sequence_setdown = note_reload_state;
    watched_reload = &latch;
    sequence_ran_after_reload = -1;
    std::atomic<bool> sequence_dispatching{false};
    PF_InData sequence_in = in_;
    PF_OutData sequence_out = SimHost::make_out_data(global_, nullptr);
    auto sequence = std::async(std::launch::async, [&] {
        sequence_dispatching = true;
        return dispatch_command(table, PF_Cmd_SEQUENCE_SETDOWN, &sequence_in, &sequence_out, nullptr, nullptr, nullptr);
    });
    while (!sequence_dispatching) std::this_thread::yield();
    latch.release();

    EXPECT_EQ(options.get(), PF_Err_NONE);
    EXPECT_EQ(sequence.get(), PF_Err_NONE);
    platform::unset_environment_variable(kDefinitionFileVariable);
    EXPECT_NE(reload_message.find(folder), std::string::npos) << reload_message;
    EXPECT_FALSE(free_during_reload) << "the definition was read without the process mutex";
    EXPECT_EQ(sequence_ran_after_reload, 1) << "a sequence command ran while the definition was being reloaded";
    EXPECT_EQ(dirty_during_reload, 0) << "texts marked dirty before the reload was over";
    EXPECT_EQ(state().texts_dirty, 1);
    EXPECT_TRUE(process_mutex_is_free()) << "process mutex left locked";
}

TEST_F(HostCommands, OptionsSwallowsAFailingReloadAndStillMarksTextsDirty) {
    // The reload's own report throws: the button must return 0, free the lock and still
    // have the next frame re-apply the texts.
    test::TempFolder temp;
    const std::string folder = temp / "definition-is-a-folder";
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    platform::set_environment_variable(kDefinitionFileVariable, folder);
    int reports = 0;
    PF_Err result = -1;
    {
        ParserMessageRoute route([&](std::string_view) {
            ++reports;
            throw std::runtime_error("reload failed");
        });
        result = options_command(&in_, &out_, nullptr, nullptr);
    }
    platform::unset_environment_variable(kDefinitionFileVariable);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(result, PF_Err_NONE);
    EXPECT_EQ(state().texts_dirty, 1);
    EXPECT_TRUE(process_mutex_is_free()) << "process mutex left locked";
    EXPECT_EQ(host_.log().count("host_lock_handle"), 2u);  // the command's lock and this test's
    EXPECT_EQ(host_.log().count("host_unlock_handle"), 2u);
}

TEST_F(HostCommands, OptionsWithAHandleThatWillNotLockDoesNothing) {
    host_.faults().fail_always("host_lock_handle", PF_Err_OUT_OF_MEMORY);
    effect_definition().settings.name = "kept";
    EXPECT_EQ(options_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    host_.faults().clear("host_lock_handle");
    EXPECT_EQ(state().texts_dirty, 0);
    EXPECT_EQ(effect_definition().settings.name.str(), "kept");
}

TEST_F(HostCommands, OptionsWithoutGlobalDataCallsNothing) {
    in_.global_data = nullptr;
    EXPECT_EQ(options_command(&in_, &out_, nullptr, nullptr), PF_Err_NONE);
    EXPECT_EQ(host_.log().size(), 0u);
}

}  // namespace
}  // namespace fx
