// Routing, locking and error translation of the command dispatcher, driven through a
// table of recording handlers (the plug-in's own table is exercised through EffectMain
// in the host-level tests).
#include "host/command_dispatch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <future>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "host/command_firewall.h"
#include "host/host_error.h"
#include "host/process_mutex.h"

namespace fx {
namespace {

// Whether another thread could take the process mutex right now (asking from this
// thread would be undefined behaviour while it holds the lock).
bool mutex_free_elsewhere() {
    return std::async(std::launch::async,
                      [] {
                          if (!process_mutex().try_lock()) return false;
                          process_mutex().unlock();
                          return true;
                      })
        .get();
}

struct Seen {
    std::string handler;
    PF_InData* in = nullptr;
    PF_OutData* out = nullptr;
    PF_ParamDef** params = nullptr;
    PF_LayerDef* output = nullptr;
    void* extra = nullptr;
    int release_live = -1;
    bool locked = false;
    int calls = 0;
};

Seen seen;
std::atomic<int> running{0};
std::atomic<bool> overlapped{false};
// What every recording handler does after recording: return this code, or throw.
enum class Then { return_code, throw_int, throw_host_error, throw_runtime_error, throw_long, throw_text };
Then then = Then::return_code;
PF_Err code = PF_Err_NONE;

PF_Err finish() {
    switch (then) {
        case Then::return_code:
            return code;
        case Then::throw_int:
            throw static_cast<int>(code);
        case Then::throw_host_error:
            throw HostError(code, "test");
        case Then::throw_runtime_error:
            throw std::runtime_error("test");
        case Then::throw_long:
            throw static_cast<long>(code);
        case Then::throw_text:
            throw "test";
    }
    return code;
}

PF_Err record(const char* name, PF_InData* in, PF_OutData* out, PF_ParamDef** params, PF_LayerDef* output, void* extra,
              int release_live) {
    if (running.fetch_add(1) != 0) overlapped = true;
    seen.handler = name;
    seen.in = in;
    seen.out = out;
    seen.params = params;
    seen.output = output;
    seen.extra = extra;
    seen.release_live = release_live;
    seen.locked = !mutex_free_elsewhere();
    ++seen.calls;
    running.fetch_sub(1);
    return finish();
}

#define FX_BASIC(name) \
    [](PF_InData* i, PF_OutData* o, PF_ParamDef* p[], PF_LayerDef* l) { return record(name, i, o, p, l, nullptr, -1); }
#define FX_EXTRA(name)                                                           \
    [](PF_InData* i, PF_OutData* o, PF_ParamDef* p[], PF_LayerDef* l, void* e) { \
        return record(name, i, o, p, l, e, -1);                                  \
    }

const CommandTable recording_table{
    .about = FX_BASIC("about"),
    .global_setup = FX_BASIC("global_setup"),
    .global_setdown = FX_BASIC("global_setdown"),
    .params_setup = FX_BASIC("params_setup"),
    .sequence_setup = FX_BASIC("sequence_setup"),
    .sequence_resetup = FX_BASIC("sequence_resetup"),
    .sequence_flatten = [](PF_InData* i, PF_OutData* o, PF_ParamDef* p[], PF_LayerDef* l,
                           bool release_live) { return record("sequence_flatten", i, o, p, l, nullptr, release_live); },
    .sequence_setdown = FX_BASIC("sequence_setdown"),
    .options = FX_BASIC("options"),
    .render = FX_BASIC("render"),
    .user_changed_param = FX_EXTRA("user_changed_param"),
    .event = FX_EXTRA("event"),
    .smart_pre_render = [](PF_InData* i, PF_OutData* o,
                           void* e) { return record("smart_pre_render", i, o, nullptr, nullptr, e, -1); },
    .smart_render = [](PF_InData* i, PF_OutData* o,
                       void* e) { return record("smart_render", i, o, nullptr, nullptr, e, -1); },
};

class CommandDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        seen = Seen{};
        overlapped = false;
        then = Then::return_code;
        code = PF_Err_NONE;
    }

    PF_Err dispatch(PF_Cmd cmd) {
        return dispatch_command(recording_table, cmd, &in, &out, params, &output, &extra_record);
    }

    PF_InData in{};
    PF_OutData out{};
    PF_ParamDef* params[1] = {nullptr};
    PF_LayerDef output{};
    int extra_record = 0;
};

struct RouteRow {
    const char* label;
    PF_Cmd cmd;
    const char* handler;
    bool gets_params_and_output;
    bool gets_extra;
    int release_live;  // -1: not a flatten handler
    bool locked;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const RouteRow& row, std::ostream* os) { *os << row.label; }

class CommandRoute : public CommandDispatch, public ::testing::WithParamInterface<RouteRow> {};

TEST_P(CommandRoute, ReachesItsHandlerWithItsArguments) {
    const RouteRow& row = GetParam();
    code = 1234;  // any result passes through unchanged
    EXPECT_EQ(dispatch(row.cmd), 1234);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.handler, row.handler);
    EXPECT_EQ(seen.in, &in);
    EXPECT_EQ(seen.out, &out);
    EXPECT_EQ(seen.params, row.gets_params_and_output ? params : nullptr);
    EXPECT_EQ(seen.output, row.gets_params_and_output ? &output : nullptr);
    EXPECT_EQ(seen.extra, row.gets_extra ? static_cast<void*>(&extra_record) : nullptr);
    EXPECT_EQ(seen.release_live, row.release_live);
    EXPECT_EQ(seen.locked, row.locked) << "process mutex held while the handler ran";
    EXPECT_TRUE(mutex_free_elsewhere()) << "process mutex left locked";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandRoute,
    ::testing::Values(
        RouteRow{"about", PF_Cmd_ABOUT, "about", true, false, -1, false},
        RouteRow{"global_setup", PF_Cmd_GLOBAL_SETUP, "global_setup", true, false, -1, false},
        RouteRow{"global_setdown", PF_Cmd_GLOBAL_SETDOWN, "global_setdown", true, false, -1, false},
        RouteRow{"params_setup", PF_Cmd_PARAMS_SETUP, "params_setup", true, false, -1, false},
        RouteRow{"sequence_setup", PF_Cmd_SEQUENCE_SETUP, "sequence_setup", true, false, -1, true},
        RouteRow{"sequence_resetup", PF_Cmd_SEQUENCE_RESETUP, "sequence_resetup", true, false, -1, true},
        RouteRow{"sequence_flatten", PF_Cmd_SEQUENCE_FLATTEN, "sequence_flatten", true, false, 1, true},
        RouteRow{"sequence_setdown", PF_Cmd_SEQUENCE_SETDOWN, "sequence_setdown", true, false, -1, true},
        RouteRow{"do_dialog", PF_Cmd_DO_DIALOG, "options", true, false, -1, false},
        RouteRow{"render", PF_Cmd_RENDER, "render", true, false, -1, false},
        RouteRow{"user_changed_param", PF_Cmd_USER_CHANGED_PARAM, "user_changed_param", true, true, -1, false},
        RouteRow{"update_params_ui", PF_Cmd_UPDATE_PARAMS_UI, "user_changed_param", true, false, -1, false},
        RouteRow{"event", PF_Cmd_EVENT, "event", true, true, -1, false},
        RouteRow{"smart_pre_render", PF_Cmd_SMART_PRE_RENDER, "smart_pre_render", false, true, -1, false},
        RouteRow{"smart_render", PF_Cmd_SMART_RENDER, "smart_render", false, true, -1, false},
        RouteRow{"get_flattened_sequence_data", PF_Cmd_GET_FLATTENED_SEQUENCE_DATA, "sequence_flatten", true, false, 0,
                 false}),
    [](const ::testing::TestParamInfo<RouteRow>& info) { return std::string(info.param.label); });

TEST_F(CommandDispatch, UnknownCodesReturnZeroWithoutCallingAnything) {
    const PF_Cmd unknown[] = {2,  10, 12, 16, 17, 18,   19, 20,  21,      22,     25,
                              26, 27, 29, 33, 34, 1000, -1, -28, INT_MIN, INT_MAX};
    code = 77;
    for (const PF_Cmd cmd : unknown) {
        EXPECT_EQ(dispatch(cmd), PF_Err_NONE) << "command " << cmd;
    }
    EXPECT_EQ(seen.calls, 0) << "last handler reached: " << seen.handler;
}

struct ThrowRow {
    const char* label;
    Then then;
    PF_Err code;
    PF_Err expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const ThrowRow& row, std::ostream* os) { *os << row.label; }

class ThrowingHandler : public CommandDispatch, public ::testing::WithParamInterface<ThrowRow> {};

TEST_P(ThrowingHandler, OrdinaryCommandReturnsTheTranslatedCode) {
    then = GetParam().then;
    code = GetParam().code;
    for (const PF_Cmd cmd :
         {PF_Cmd_ABOUT, PF_Cmd_GLOBAL_SETUP, PF_Cmd_RENDER, PF_Cmd_SMART_RENDER, PF_Cmd_GET_FLATTENED_SEQUENCE_DATA}) {
        EXPECT_EQ(dispatch(cmd), GetParam().expected) << "command " << cmd;
    }
}

TEST_P(ThrowingHandler, SequenceCommandSwallowsItAndUnlocks) {
    then = GetParam().then;
    code = GetParam().code;
    for (const PF_Cmd cmd :
         {PF_Cmd_SEQUENCE_SETUP, PF_Cmd_SEQUENCE_RESETUP, PF_Cmd_SEQUENCE_FLATTEN, PF_Cmd_SEQUENCE_SETDOWN}) {
        EXPECT_EQ(dispatch(cmd), PF_Err_NONE) << "command " << cmd;
        EXPECT_TRUE(seen.locked);
        EXPECT_TRUE(mutex_free_elsewhere()) << "process mutex left locked after command " << cmd;
    }
}

INSTANTIATE_TEST_SUITE_P(Exceptions, ThrowingHandler,
                         ::testing::Values(ThrowRow{"int_516", Then::throw_int, 516, 516},
                                           ThrowRow{"int_13", Then::throw_int, 13, 13},
                                           ThrowRow{"host_error", Then::throw_host_error, 515, 515},
                                           ThrowRow{"long", Then::throw_long, 4, 4},
                                           ThrowRow{"runtime_error", Then::throw_runtime_error, 0, 512},
                                           ThrowRow{"string_literal", Then::throw_text, 0, 512}),
                         [](const ::testing::TestParamInfo<ThrowRow>& info) { return std::string(info.param.label); });

TEST_F(CommandDispatch, SequenceCommandResultPassesThroughWhenNothingIsThrown) {
    code = PF_Err_OUT_OF_MEMORY;
    EXPECT_EQ(dispatch(PF_Cmd_SEQUENCE_SETUP), PF_Err_OUT_OF_MEMORY);
}

TEST_F(CommandDispatch, SequenceCommandsFromTwoThreadsNeverOverlap) {
    // Each handler checks, while it runs, that the lock is held against the other thread.
    std::thread other([&] {
        PF_InData in2{};
        PF_OutData out2{};
        for (int i = 0; i < 20; ++i)
            dispatch_command(recording_table, PF_Cmd_SEQUENCE_RESETUP, &in2, &out2, nullptr, nullptr, nullptr);
    });
    for (int i = 0; i < 20; ++i) {
        dispatch(PF_Cmd_SEQUENCE_SETDOWN);
    }
    other.join();
    EXPECT_EQ(seen.calls, 40);
    EXPECT_FALSE(overlapped) << "two sequence handlers ran at the same time";
    EXPECT_TRUE(mutex_free_elsewhere());
}

TEST(CommandFirewall, TranslatesEveryIntegerTypeAndNothingElse) {
    const auto code_of = [](auto thrown) { return run_guarded([&]() -> int { throw thrown; }); };
    EXPECT_EQ(code_of(516), 516);
    EXPECT_EQ(code_of(13L), 13);
    EXPECT_EQ(code_of(14LL), 14);
    EXPECT_EQ(code_of(15U), 15);
    EXPECT_EQ(code_of(static_cast<short>(16)), 16);
    EXPECT_EQ(code_of(HostError(517)), 517);
    EXPECT_EQ(code_of(std::logic_error("x")), kInternalFailureCode);
    EXPECT_EQ(code_of(2.5), kInternalFailureCode);
    EXPECT_EQ(run_guarded([] { return 42; }), 42);
}

}  // namespace
}  // namespace fx
