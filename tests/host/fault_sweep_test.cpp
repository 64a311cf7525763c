// Fault sweeps through EffectMain: a clean run of a command lists the host calls it
// makes; then, for each k, a fresh host makes the k-th of them fail and the test checks
// the command's result, the instance's record afterwards and that, once the effect is
// closed, the host holds no handle the plug-in should have given back.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "definition_file.h"
#include "host/sequence_state.h"
#include "platform/environment_variable.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

constexpr PF_Err kInjected = PF_Err_INVALID_CALLBACK;

const char* const kDefinition =
    "[settings]\nusegpu=-1\nversion=3.1.4\nimgwidth=40\nimgheight=30\ndialogbutton=Reload\ntransition=1\n"
    "[par1]\nname=Caption\ntype=text\ndefault=Hi\nflags=2\nid=1\n"
    "[par2]\nname=Picture\ntype=image\nid=2\n"
    "[par3]\nname=Logo\ntype=custom\nid=3\n"
    "[par4]\nname=Mode\ntype=popup\ntext=A|B\nmax=1\nid=4\n"
    "[par5]\nname=Back\ntype=layer\nid=5\n"
    "[par6]\nname=Amount\ntype=float\nid=6\n"
    "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n";

constexpr A_u_long kVersionWord = (3u << 19) | (1u << 15) | 4u;

// The calls the plug-in made (the host's own records left out).
std::vector<HostCall> plugin_calls(const std::vector<HostCall>& calls, std::size_t from) {
    std::vector<HostCall> out;
    for (std::size_t i = from; i < calls.size(); ++i)
        if (calls[i].source != "host") out.push_back(calls[i]);
    return out;
}

// The handle a call's arguments name first ("0x55...").
std::string first_address(const std::string& args) {
    const auto at = args.find("0x");
    if (at == std::string::npos) return {};
    auto end = at + 2;
    while (end < args.size() && std::isxdigit(static_cast<unsigned char>(args[end]))) ++end;
    return args.substr(at, end - at);
}

// One effect in one simulated host, brought to the state a command runs in.
class Effect {
public:
    explicit Effect(bool premiere) : host_(settings(premiere)), plugin_(host_, FX_PLUGIN_PATH) {}

    SimHost& host() { return host_; }
    LoadedPlugin& plugin() { return plugin_; }

    // Closes the project: set-down of the instance, then of the effect; flat copies the
    // host was handed are the host's and go too.
    void close() {
        if (plugin_.sequence_data() != nullptr) plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
        if (plugin_.global_data() != nullptr) plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
        if (PF_Handle copy = plugin_.take_flattened_copy()) host_.handles().dispose(copy);
    }

    RecordKind kind_of(PF_Handle handle) {
        const auto size = host_.handles().size(handle);
        auto* record = static_cast<SequenceState*>(host_.handles().lock(handle));
        if (record == nullptr || !size) return RecordKind::unknown;
        const RecordKind kind = record_kind(*record, static_cast<std::size_t>(*size));
        host_.handles().unlock(handle);
        return kind;
    }

    SequenceState copy_of(PF_Handle handle) {
        SequenceState copy{};
        if (auto* record = static_cast<SequenceState*>(host_.handles().lock(handle))) {
            std::memcpy(static_cast<void*>(&copy), record, sizeof copy);
            host_.handles().unlock(handle);
        }
        return copy;
    }

private:
    static HostSettings settings(bool premiere) {
        HostSettings s;
        s.app = premiere ? HostApp::premiere_pro : HostApp::after_effects;
        return s;
    }
    SimHost host_;
    LoadedPlugin plugin_;
};

enum class After { none, unchanged, live, flat };

// What the command must do when the k-th call of its clean run fails.
struct Outcome {
    PF_Err result;
    After after = After::unchanged;
    // The plug-in could not reach the live record it was to free (the host refused the
    // suite, the lock or the size); the test frees what the record held.
    bool record_unreached = false;
};

struct SweepCase {
    const char* label;
    bool premiere;
    std::vector<PF_Cmd> prelude;
    PF_Cmd cmd;
    // One outcome per call of the clean run; empty: decided by `rule` from the call.
    std::vector<Outcome> outcomes;
    std::function<Outcome(const HostCall&)> rule;
};

void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.label; }

class FaultSweep : public ::testing::TestWithParam<SweepCase> {
protected:
    void TearDown() override { platform::unset_environment_variable(kDefinitionFileVariable); }
    test::DefinitionFile definition_{kDefinition};
};

TEST_P(FaultSweep, EveryHostCallFailingInTurnGivesItsResultAndLeaksNothing) {
    const SweepCase& c = GetParam();
    std::vector<HostCall> clean;
    {
        Effect effect(c.premiere);
        for (PF_Cmd cmd : c.prelude) ASSERT_EQ(effect.plugin().call(cmd).result, PF_Err_NONE) << "prelude " << cmd;
        const std::size_t from = effect.host().log().size();
        ASSERT_EQ(effect.plugin().call(c.cmd).result, PF_Err_NONE);
        clean = plugin_calls(effect.host().log().calls(), from);
        effect.close();
        ASSERT_EQ(effect.host().handles().live_count(), 0u) << effect.host().handles().leak_report();
    }
    ASSERT_FALSE(clean.empty());
    if (!c.outcomes.empty()) {
        ASSERT_EQ(c.outcomes.size(), clean.size()) << "the clean run's calls changed";
    }

    for (std::size_t k = 0; k < clean.size(); ++k) {
        const HostCall& target = clean[k];
        SCOPED_TRACE("call " + std::to_string(k) + ": " + target.name + "(" + target.args + ")");
        const Outcome expected = c.outcomes.empty() ? c.rule(target) : c.outcomes[k];
        Effect effect(c.premiere);
        for (PF_Cmd cmd : c.prelude) ASSERT_EQ(effect.plugin().call(cmd).result, PF_Err_NONE);
        const PF_Handle before = effect.plugin().sequence_data();
        const SequenceState record_before = before != nullptr ? effect.copy_of(before) : SequenceState{};

        int earlier = 0;  // calls of the same name before it in this command
        for (std::size_t i = 0; i < k; ++i) earlier += clean[i].name == target.name;
        effect.host().faults().fail_nth(target.name, effect.host().faults().calls_seen(target.name) + earlier + 1,
                                        kInjected);
        const std::size_t from = effect.host().log().size();
        const CommandResult r = effect.plugin().call(c.cmd);
        effect.host().faults().reset();
        const std::vector<HostCall> calls = plugin_calls(effect.host().log().calls(), from);
        ASSERT_GT(calls.size(), k);
        ASSERT_EQ(calls[k].name, target.name);
        EXPECT_EQ(calls[k].result, kInjected) << "the call did not fail";

        EXPECT_EQ(r.result, expected.result);
        if (c.cmd == PF_Cmd_GLOBAL_SETUP) {
            // Before the definition is loaded the word comes from the one in place.
            EXPECT_NE(r.out.my_version, 0u) << "written on every path";
            if (r.result == PF_Err_NONE) {
                EXPECT_EQ(r.out.my_version, kVersionWord);
            }
        }
        const PF_Handle after = effect.plugin().sequence_data();
        switch (expected.after) {
            case After::none:
                EXPECT_EQ(after, nullptr);
                break;
            case After::unchanged:
                EXPECT_EQ(after, before) << "the instance keeps the record it had";
                break;
            case After::live:
                ASSERT_NE(after, nullptr);
                EXPECT_EQ(effect.kind_of(after), RecordKind::live);
                break;
            case After::flat:
                ASSERT_NE(after, nullptr);
                EXPECT_NE(after, before);
                EXPECT_EQ(effect.kind_of(after), RecordKind::flat);
                break;
        }

        // Handles the host itself would not dispose stay with the host; everything else
        // must be gone once the project is closed.
        std::set<std::string> kept_by_host;
        std::set<std::string> suites_kept_by_host;
        for (const HostCall& call : calls) {
            if (call.name == "host_dispose_handle" && call.result != 0) kept_by_host.insert(first_address(call.args));
            if (call.name == "ReleaseSuite" && call.result != 0) suites_kept_by_host.insert(call.args);
        }
        if (expected.record_unreached) {
            SequenceState unreached = record_before;
            free_live_contents(unreached);
            if (effect.host().handles().holds(before)) effect.host().handles().dispose(before);
        }
        effect.close();
        for (const HandleInfo& leak : effect.host().handles().leaks())
            EXPECT_TRUE(kept_by_host.count(pointer_text(leak.handle)) > 0) << effect.host().handles().leak_report();
        for (const auto& [suite, count] : effect.host().suites().outstanding()) {
            const std::string args = "\"" + suite.name + "\", " + std::to_string(suite.version);
            EXPECT_TRUE(suites_kept_by_host.count(args) > 0) << "left acquired: " << args << " x" << count;
        }
        for (const std::string& misuse : effect.host().misuses()) ADD_FAILURE() << misuse;
    }
}

// Global set-up: what each failing call becomes, as the set-up steps say.
Outcome global_setup_rule(const HostCall& call) {
    auto suite = [&](const char* name) { return call.args.rfind(std::string("\"") + name + "\"", 0) == 0; };
    if (call.name == "AcquireSuite") {
        // The cache the handle and AEGP suites come through raises 516; the world and
        // pixel format suites' own errors become the result.
        if (suite("PF Handle Suite") || suite("AEGP Utility Suite")) return {PF_Err_BAD_CALLBACK_PARAM};
        if (suite("PF World Suite") || suite("PF Pixel Format Suite")) return {kInjected};
        return {PF_Err_NONE};  // effect UI (said in the message area), cache-on-load, utility
    }
    if (call.name == "host_new_handle" || call.name == "host_lock_handle") return {PF_Err_INTERNAL_STRUCT_DAMAGED};
    if (call.name == "AEGP_RegisterWithAEGP" || call.name == "PF_SetOptionsButtonName") return {kInjected};
    return {PF_Err_NONE};  // releases, unlocks and calls whose answer is not relied on
}

// Parameter registration: a refused add_param or register_ui is the result.
Outcome params_setup_rule(const HostCall& call) {
    if (call.name == "add_param" || call.name == "register_ui") return {kInjected};
    return {PF_Err_NONE};
}

const std::vector<PF_Cmd> kSetUp = {PF_Cmd_GLOBAL_SETUP, PF_Cmd_PARAMS_SETUP};
const std::vector<PF_Cmd> kLive = {PF_Cmd_GLOBAL_SETUP, PF_Cmd_PARAMS_SETUP, PF_Cmd_SEQUENCE_SETUP};
const std::vector<PF_Cmd> kFlat = {PF_Cmd_GLOBAL_SETUP, PF_Cmd_PARAMS_SETUP, PF_Cmd_SEQUENCE_SETUP,
                                   PF_Cmd_SEQUENCE_FLATTEN};

constexpr PF_Err k512 = PF_Err_INTERNAL_STRUCT_DAMAGED;
using A = After;

INSTANTIATE_TEST_SUITE_P(
    Commands, FaultSweep,
    ::testing::Values(
        SweepCase{"global_setup", false, {}, PF_Cmd_GLOBAL_SETUP, {}, global_setup_rule},
        SweepCase{"global_setup_premiere", true, {}, PF_Cmd_GLOBAL_SETUP, {}, global_setup_rule},
        SweepCase{"params_setup", false, {PF_Cmd_GLOBAL_SETUP}, PF_Cmd_PARAMS_SETUP, {}, params_setup_rule},
        SweepCase{"params_setup_premiere", true, {PF_Cmd_GLOBAL_SETUP}, PF_Cmd_PARAMS_SETUP, {}, params_setup_rule},
        // Suite acquired by the command's cache, global lock, suite of the record's cache,
        // new handle, its lock, the picture's load (app suite, PF_SetProjectDirty, global
        // lock and unlock, release: none of them can fail the set-up), its unlock, global
        // unlock, release. What set-up throws is swallowed (0); a record it cannot fill is
        // no record.
        SweepCase{"sequence_setup",
                  false,
                  kSetUp,
                  PF_Cmd_SEQUENCE_SETUP,
                  {{0, A::none},
                   {0, A::none},
                   {0, A::none},
                   {PF_Err_OUT_OF_MEMORY, A::none},
                   {k512, A::none},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live}},
                  {}},
        // Suite, global lock (the copy is still made), live lock, its size, new handle, its
        // lock, its unlock, live unlock, global unlock, release. Outside the guarded four,
        // the refused suite is the result.
        SweepCase{"get_flattened_sequence_data",
                  false,
                  kLive,
                  PF_Cmd_GET_FLATTENED_SEQUENCE_DATA,
                  {{PF_Err_BAD_CALLBACK_PARAM}, {0}, {0}, {k512}, {k512}, {k512}, {0}, {0}, {0}, {0}},
                  {}},
        // As above, but the live record is disposed once the flat one exists; without a
        // flat record the live one stays the instance's.
        SweepCase{
            "sequence_flatten",
            false,
            kLive,
            PF_Cmd_SEQUENCE_FLATTEN,
            {{0}, {0, A::flat}, {0}, {k512}, {k512}, {k512}, {0, A::flat}, {0, A::flat}, {0, A::flat}, {0, A::flat}},
            {}},
        // Suite, global lock, flat lock, its size, new handle, its lock, the picture's load
        // (five calls, as in set-up), flat disposal, new unlock, global unlock, release.
        // Without a new record the flat one stays.
        SweepCase{"sequence_resetup",
                  false,
                  kFlat,
                  PF_Cmd_SEQUENCE_RESETUP,
                  {{0},
                   {0, A::live},
                   {0},
                   {0},
                   {0},
                   {k512},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live},
                   {0, A::live}},
                  {}},
        // Suite, global lock, record lock, its size, disposal, global unlock, release. The
        // host forgets the instance whatever happens.
        SweepCase{"sequence_setdown",
                  false,
                  kLive,
                  PF_Cmd_SEQUENCE_SETDOWN,
                  {{0, A::none, true},
                   {0, A::none},
                   {0, A::none, true},
                   {0, A::none, true},
                   {0, A::none},
                   {0, A::none},
                   {0, A::none}},
                  {}},
        SweepCase{
            "sequence_setdown_of_a_flat_record",
            false,
            kFlat,
            PF_Cmd_SEQUENCE_SETDOWN,
            {{0, A::none, true}, {0, A::none}, {0, A::none}, {0, A::none}, {0, A::none}, {0, A::none}, {0, A::none}},
            {}}),
    [](const ::testing::TestParamInfo<SweepCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fx
