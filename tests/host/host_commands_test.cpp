// The About and Options commands with a GlobalState in the host's global data handle,
// called directly (global set-up, which creates the record, is not part of this test).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>

#include "definition/effect_definition.h"
#include "definition/loader/load_definition.h"
#include "host/command_dispatch.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/process_mutex.h"
#include "host/suite_cache.h"
#include "simhost/sim_host.h"

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

// Points the definition loader at a named pipe for the life of the object, so that a
// test knows the moment a reload reads its text: opening the writing end returns only
// once the reader has opened the other one.
class DefinitionPipe {
public:
    DefinitionPipe() {
        char folder[] = "/tmp/fx_options_pipe_XXXXXX";
        if (mkdtemp(folder) == nullptr) return;
        folder_ = folder;
        path_ = folder_ + "/definition.fxdef";
        if (mkfifo(path_.c_str(), 0600) != 0) path_.clear();
        if (!path_.empty()) setenv(kDefinitionFileVariable, path_.c_str(), 1);
    }
    ~DefinitionPipe() {
        unsetenv(kDefinitionFileVariable);
        if (!path_.empty()) std::remove(path_.c_str());
        if (!folder_.empty()) rmdir(folder_.c_str());
    }
    DefinitionPipe(const DefinitionPipe&) = delete;
    DefinitionPipe& operator=(const DefinitionPipe&) = delete;

    bool ready() const { return !path_.empty(); }
    // Blocks until the loader has opened the pipe for reading. The loader then waits for
    // the text, which ends when the returned writer is closed.
    std::FILE* wait_for_reader() const { return std::fopen(path_.c_str(), "wb"); }

private:
    std::string folder_;
    std::string path_;
};

// Disabled: the loader now refuses a named pipe at once (a pipe must never block the
// host), so this latch no longer opens; it needs a latch of another kind.
TEST_F(HostCommands, DISABLED_OptionsReloadsTheDefinitionUnderTheProcessMutex) {
    // Frames render under the same lock, so while the definition is being read the lock
    // must be held, and the texts are marked dirty only once the reload is over.
    DefinitionPipe pipe;
    ASSERT_TRUE(pipe.ready()) << "cannot make a named pipe under /tmp";
    auto options = std::async(std::launch::async, [&] { return options_command(&in_, &out_, nullptr, nullptr); });
    std::FILE* writer = pipe.wait_for_reader();
    ASSERT_NE(writer, nullptr);
    // The reload is in progress now and cannot finish before the writer is closed.
    const bool free_during_reload = process_mutex_is_free();
    const std::uint8_t dirty_during_reload = state().texts_dirty;
    std::fputs("\n", writer);
    std::fclose(writer);
    EXPECT_EQ(options.get(), PF_Err_NONE);
    EXPECT_FALSE(free_during_reload) << "the definition was read without the process mutex";
    EXPECT_EQ(dirty_during_reload, 0) << "texts marked dirty before the reload was over";
    EXPECT_EQ(state().texts_dirty, 1);
    EXPECT_TRUE(process_mutex_is_free()) << "process mutex left locked";
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
