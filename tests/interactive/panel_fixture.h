#pragma once
// One applied effect driven through EffectMain: the definition written to a file,
// global set-up, parameter registration and sequence set-up done, and what the host saw
// at hand. At the end every reference, memory handle, host handle and suite the plug-in
// obtained must have gone back.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "host/global_state.h"
#include "host/sequence_state.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::test {

// The calls the panel makes, as "name(args)" without the references' addresses.
inline const std::set<std::string>& panel_call_names() {
    static const std::set<std::string> names = {
        "PF_UpdateParamUI",          "AEGP_GetNewEffectForEffect", "AEGP_GetNewEffectStreamByIndex",
        "AEGP_SetDynamicStreamFlag", "AEGP_SetStreamName",         "AEGP_DisposeEffect",
        "AEGP_DisposeStream",        "AEGP_ExecuteScript",         "AEGP_LockMemHandle",
        "AEGP_UnlockMemHandle",      "AEGP_FreeMemHandle"};
    return names;
}

class PanelTest : public ::testing::Test {
protected:
    // `params` are the definition's parameter sections; `settings` extra settings lines.
    void start(const std::string& params, const std::string& settings = "") {
        static int files = 0;
        const std::string base =
            ::testing::TempDir() + "panel_test_" + std::to_string(getpid()) + "_" + std::to_string(++files);
        definition_path_ = base + ".fxdef";
        std::ofstream(definition_path_) << "[settings]\nusegpu=-1\nname=Panel Test\n"
                                        << settings << params << "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n";
        start_file(definition_path_);
    }

    void start_file(const std::string& path) {
        setenv("FX_DEFINITION_FILE", path.c_str(), 1);
        ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
        ASSERT_EQ(plugin_.call(PF_Cmd_PARAMS_SETUP).result, PF_Err_NONE);
        ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
        host_.log().clear();
    }

    void premiere() { host_.settings().app = HostApp::premiere_pro; }

    // The dialogs' answers, one a line (a new file each time).
    void answers(const std::string& lines) {
        static int files = 0;
        answers_path_ =
            ::testing::TempDir() + "panel_answers_" + std::to_string(getpid()) + "_" + std::to_string(++files) + ".txt";
        std::ofstream(answers_path_) << lines;
        setenv("FX_DIALOG_ANSWERS", answers_path_.c_str(), 1);
    }

    void TearDown() override {
        if (plugin_.sequence_data() != nullptr) plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
        if (plugin_.global_data() != nullptr) plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
        unsetenv("FX_DEFINITION_FILE");
        unsetenv("FX_DIALOG_ANSWERS");
        if (!definition_path_.empty()) std::remove(definition_path_.c_str());
        if (!answers_path_.empty()) std::remove(answers_path_.c_str());
        EXPECT_EQ(host_.streams().effects_open(), 0) << "effect references not disposed";
        EXPECT_EQ(host_.streams().streams_open(), 0) << "stream references not disposed";
        EXPECT_EQ(host_.mem_handles().open_count(), 0u) << "memory handles not freed";
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
        const auto misuses = host_.misuses();
        EXPECT_TRUE(misuses.empty()) << misuses.front();
    }

    CommandResult change(int index) {
        PF_UserChangedParamExtra extra{};
        extra.param_index = index;
        return plugin_.call(PF_Cmd_USER_CHANGED_PARAM, &extra);
    }
    CommandResult update() { return plugin_.call(PF_Cmd_UPDATE_PARAMS_UI); }

    PF_ParamDef& param(int index) { return *host_.param_list()[static_cast<std::size_t>(index)]; }

    SequenceState state() {
        SequenceState copy{};
        PF_Handle handle = plugin_.sequence_data();
        if (auto* live = static_cast<SequenceState*>(host_.handles().lock(handle))) {
            std::memcpy(static_cast<void*>(&copy), live, sizeof copy);
            host_.handles().unlock(handle);
        }
        return copy;
    }
    std::string text(int index) {
        PF_Handle handle = plugin_.sequence_data();
        std::string out;
        if (auto* live = static_cast<SequenceState*>(host_.handles().lock(handle))) {
            out = live->texts[index] != nullptr ? live->texts[index] : "(null)";
            host_.handles().unlock(handle);
        }
        return out;
    }
    GlobalState global() {
        GlobalState copy{};
        if (auto* state = static_cast<GlobalState*>(host_.handles().lock(plugin_.global_data()))) {
            copy = *state;
            host_.handles().unlock(plugin_.global_data());
        }
        return copy;
    }
    void clear_texts_dirty() {
        if (auto* state = static_cast<GlobalState*>(host_.handles().lock(plugin_.global_data()))) {
            state->texts_dirty = 0;
            host_.handles().unlock(plugin_.global_data());
        }
    }

    // The panel's calls in order; stream and effect references show as "ref".
    std::vector<std::string> panel_calls() {
        std::vector<std::string> out;
        for (const HostCall& call : host_.log().calls()) {
            if (panel_call_names().count(call.name) == 0) continue;
            std::string shown = call.name;
            if (call.name == "PF_UpdateParamUI") {
                // "effect_ref, index, ui_flags …": keep the index.
                const std::size_t first = call.args.find(", ");
                shown += " " + call.args.substr(first + 2, call.args.find(',', first + 2) - first - 2);
            } else if (call.name == "AEGP_GetNewEffectStreamByIndex") {
                shown += " " + call.args.substr(call.args.rfind(", ") + 2);
            } else if (call.name == "AEGP_SetDynamicStreamFlag") {
                shown += call.args.substr(call.args.find(','));
            } else if (call.name == "AEGP_SetStreamName") {
                shown += " " + call.args.substr(call.args.find(", ") + 2);
            } else if (call.name == "AEGP_GetNewEffectForEffect") {
                shown += " " + call.args.substr(0, call.args.find(','));
            }
            if (call.result != 0) shown += " -> " + std::to_string(call.result);
            out.push_back(shown);
        }
        return out;
    }
    std::vector<int> updated_indices() {
        std::vector<int> out;
        for (const HostCall& call : host_.log().calls_named("PF_UpdateParamUI")) {
            const std::size_t first = call.args.find(", ");
            out.push_back(std::atoi(call.args.c_str() + first + 2));
        }
        return out;
    }

    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
    std::string definition_path_;
    std::string answers_path_;
};

// The calls that change one member's stream with the given operations in between.
inline std::vector<std::string> stream_calls(const std::string& plugin_id, int index,
                                             const std::vector<std::string>& operations) {
    std::vector<std::string> calls{"AEGP_GetNewEffectForEffect " + plugin_id,
                                   "AEGP_GetNewEffectStreamByIndex " + std::to_string(index)};
    calls.insert(calls.end(), operations.begin(), operations.end());
    calls.push_back("AEGP_DisposeEffect");
    calls.push_back("AEGP_DisposeStream");
    return calls;
}

inline std::vector<std::string> joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace fx::test
