// The host's side of the effect panel: parameter UI updates changing the host's list,
// effect streams with names, hidden flags and counted references, memory handles, and
// scripts run in the host's scripting engine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AE_EffectSuites.h"
#include "AE_GeneralPlug.h"
#include "simhost/script_engine.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

template <typename Suite>
const Suite* acquire(SimHost& host, const char* name, int version) {
    const void* table = nullptr;
    EXPECT_EQ(host.basic_suite()->AcquireSuite(name, version, &table), kSPNoError) << name << " " << version;
    return static_cast<const Suite*>(table);
}

class PanelSuites : public ::testing::Test {
protected:
    void SetUp() override {
        PF_ParamDef popup{};
        popup.param_type = PF_Param_POPUP;
        std::strcpy(popup.name, "Shape");
        popup.u.pd.value = 1;
        popup.u.pd.num_choices = 2;
        popup.u.pd.u.namesptr = "Round|Square";
        ASSERT_EQ(host_.add_param(-1, popup), PF_Err_NONE);
        PF_ParamDef slider{};
        slider.param_type = PF_Param_FLOAT_SLIDER;
        std::strcpy(slider.name, "Amount");
        ASSERT_EQ(host_.add_param(-1, slider), PF_Err_NONE);
    }
    void TearDown() override {
        EXPECT_EQ(host_.streams().effects_open(), 0);
        EXPECT_EQ(host_.streams().streams_open(), 0);
        EXPECT_EQ(host_.mem_handles().open_count(), 0u);
        const auto misuses = host_.misuses();
        if (!misuses_expected_) {
            EXPECT_TRUE(misuses.empty()) << misuses.front();
        }
    }

    SimHost host_;
    bool misuses_expected_ = false;  // the test is about them
    const PF_ParamUtilsSuite3* utils_ = acquire<PF_ParamUtilsSuite3>(host_, "PF Param Utils Suite", 3);
    const AEGP_PFInterfaceSuite1* pf_ = acquire<AEGP_PFInterfaceSuite1>(host_, "AEGP PF Interface Suite", 1);
    const AEGP_EffectSuite2* effects_ = acquire<AEGP_EffectSuite2>(host_, "AEGP Effect Suite", 2);
    const AEGP_StreamSuite2* streams_ = acquire<AEGP_StreamSuite2>(host_, "AEGP Stream Suite", 7);
    const AEGP_DynamicStreamSuite2* dynamic_ = acquire<AEGP_DynamicStreamSuite2>(host_, "AEGP Dynamic Stream Suite", 2);
    const AEGP_MemorySuite1* memory_ = acquire<AEGP_MemorySuite1>(host_, "AEGP Memory Suite", 1);
    const AEGP_UtilitySuite5* utility_ = acquire<AEGP_UtilitySuite5>(host_, "AEGP Utility Suite", 11);
};

TEST_F(PanelSuites, UpdateParamUiChangesTheHostsListButKeepsItsTexts) {
    PF_ParamDef copy = *host_.param_list()[1];
    const char plugin_items[] = "Other|Texts";
    copy.u.pd.value = 2;
    copy.u.pd.u.namesptr = plugin_items;
    copy.ui_flags = PF_PUI_INVISIBLE;
    copy.uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    EXPECT_EQ(utils_->PF_UpdateParamUI(host_.effect_ref(), 1, &copy), PF_Err_NONE);
    const PF_ParamDef* after = host_.param_list()[1];
    EXPECT_EQ(after->u.pd.value, 2);
    EXPECT_EQ(after->ui_flags, PF_PUI_INVISIBLE);
    EXPECT_EQ(after->uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_STREQ(after->u.pd.u.namesptr, "Round|Square") << "the host keeps its own copy of the items";
    const auto calls = host_.log().calls_named("PF_UpdateParamUI");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].args.find(", 1, ui_flags 0x200, change_flags 1"), std::string::npos) << calls[0].args;
}

TEST_F(PanelSuites, UpdateParamUiRefusesWrongIndexTypeAndEffect) {
    PF_ParamDef copy = *host_.param_list()[1];
    EXPECT_EQ(utils_->PF_UpdateParamUI(host_.effect_ref(), 3, &copy), PF_Err_INVALID_INDEX);
    EXPECT_EQ(utils_->PF_UpdateParamUI(host_.effect_ref(), 1, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    host_.faults().fail_nth("PF_UpdateParamUI", 3, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(utils_->PF_UpdateParamUI(host_.effect_ref(), 1, &copy), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host_.param_list()[1]->u.pd.value, 1);
    copy.param_type = PF_Param_CHECKBOX;
    EXPECT_EQ(utils_->PF_UpdateParamUI(host_.effect_ref(), 1, &copy), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(host_.misuses().size(), 1u);
    EXPECT_NE(host_.misuses()[0].find("has type"), std::string::npos);
    EXPECT_EQ(utils_->PF_UpdateParamUI(reinterpret_cast<PF_ProgPtr>(&copy), 1, host_.param_list()[1]),
              PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(host_.misuses().size(), 2u);
    misuses_expected_ = true;
}

TEST_F(PanelSuites, StreamsKeepNamesAndHiddenFlagsPerParameter) {
    AEGP_EffectRefH effect = nullptr;
    ASSERT_EQ(pf_->AEGP_GetNewEffectForEffect(0, host_.effect_ref(), &effect), A_Err_NONE);
    AEGP_StreamRefH stream = nullptr;
    ASSERT_EQ(streams_->AEGP_GetNewEffectStreamByIndex(0, effect, 2, &stream), A_Err_NONE);
    A_char name[AEGP_MAX_STREAM_NAME_SIZE] = {};
    ASSERT_EQ(streams_->AEGP_GetStreamName(stream, false, name), A_Err_NONE);
    EXPECT_STREQ(name, "Amount") << "an untouched stream shows the registered name";
    EXPECT_EQ(dynamic_->AEGP_SetStreamName(stream, "Strength"), A_Err_NONE);
    EXPECT_EQ(dynamic_->AEGP_SetDynamicStreamFlag(stream, AEGP_DynStreamFlag_HIDDEN, false, true), A_Err_NONE);
    AEGP_DynStreamFlags flags = 0;
    EXPECT_EQ(dynamic_->AEGP_GetDynamicStreamFlags(stream, &flags), A_Err_NONE);
    EXPECT_EQ(flags, static_cast<AEGP_DynStreamFlags>(AEGP_DynStreamFlag_HIDDEN));
    EXPECT_EQ(host_.streams().effects_open(), 1);
    EXPECT_EQ(host_.streams().streams_open(), 1);
    EXPECT_EQ(streams_->AEGP_DisposeStream(stream), A_Err_NONE);
    EXPECT_EQ(effects_->AEGP_DisposeEffect(effect), A_Err_NONE);
    EXPECT_EQ(host_.stream_name(2), "Strength");
    EXPECT_TRUE(host_.streams().state(2).hidden);
    EXPECT_EQ(host_.stream_name(1), "Shape");
    EXPECT_FALSE(host_.streams().state(1).hidden);
    EXPECT_EQ(host_.streams().effects_obtained(), 1);
    EXPECT_EQ(host_.streams().streams_obtained(), 1);
}

TEST_F(PanelSuites, StaleAndUnknownReferencesAreMisuses) {
    AEGP_EffectRefH effect = nullptr;
    ASSERT_EQ(pf_->AEGP_GetNewEffectForEffect(0, host_.effect_ref(), &effect), A_Err_NONE);
    AEGP_StreamRefH stream = nullptr;
    ASSERT_EQ(streams_->AEGP_GetNewEffectStreamByIndex(0, effect, 1, &stream), A_Err_NONE);
    EXPECT_EQ(streams_->AEGP_GetNewEffectStreamByIndex(0, effect, 9, &stream), A_Err_PARAMETER) << "no such parameter";
    EXPECT_EQ(streams_->AEGP_DisposeStream(stream), A_Err_NONE);
    EXPECT_EQ(streams_->AEGP_DisposeStream(stream), A_Err_PARAMETER);
    EXPECT_EQ(dynamic_->AEGP_SetStreamName(stream, "late"), A_Err_PARAMETER);
    EXPECT_EQ(effects_->AEGP_DisposeEffect(effect), A_Err_NONE);
    EXPECT_EQ(effects_->AEGP_DisposeEffect(effect), A_Err_PARAMETER);
    EXPECT_EQ(host_.misuses().size(), 3u);
    misuses_expected_ = true;
}

TEST_F(PanelSuites, MemoryHandlesAreRealBlocks) {
    AEGP_MemHandle handle = nullptr;
    ASSERT_EQ(memory_->AEGP_NewMemHandle(0, "test block", 16, AEGP_MemFlag_CLEAR, &handle), A_Err_NONE);
    void* data = nullptr;
    ASSERT_EQ(memory_->AEGP_LockMemHandle(handle, &data), A_Err_NONE);
    std::memcpy(data, "fifteen chars..", 16);
    EXPECT_EQ(memory_->AEGP_ResizeMemHandle("test block", 32, handle), A_Err_PARAMETER) << "locked";
    EXPECT_EQ(memory_->AEGP_UnlockMemHandle(handle), A_Err_NONE);
    EXPECT_EQ(memory_->AEGP_ResizeMemHandle("test block", 32, handle), A_Err_NONE);
    AEGP_MemSize size = 0;
    EXPECT_EQ(memory_->AEGP_GetMemHandleSize(handle, &size), A_Err_NONE);
    EXPECT_EQ(size, 32u);
    ASSERT_EQ(memory_->AEGP_LockMemHandle(handle, &data), A_Err_NONE);
    EXPECT_STREQ(static_cast<const char*>(data), "fifteen chars..") << "resizing keeps the contents";
    EXPECT_EQ(host_.mem_handles().open_handles(), std::vector<std::string>{"test block"});
    EXPECT_EQ(memory_->AEGP_FreeMemHandle(handle), A_Err_NONE);
    EXPECT_EQ(memory_->AEGP_FreeMemHandle(handle), A_Err_PARAMETER);
    EXPECT_EQ(host_.misuses().size(), 2u) << "resizing a locked block and freeing twice";
    misuses_expected_ = true;
}

TEST_F(PanelSuites, ExecuteScriptReturnsTheCompletionValueAsText) {
    struct Row {
        const char* script;
        const char* result;
    };
    const Row rows[] = {
        {"var a = 2; 'Amount=' + (a / 8) + ';'", "Amount=0.25;"},
        {"1 + 2", "3"},
        {"var nothing = 1;", ""},
        {"[1, 2].join('|')", "1|2"},
    };
    for (const Row& row : rows) {
        AEGP_MemHandle result = nullptr;
        ASSERT_EQ(utility_->AEGP_ExecuteScript(0, row.script, false, &result, nullptr), A_Err_NONE) << row.script;
        void* text = nullptr;
        ASSERT_EQ(memory_->AEGP_LockMemHandle(result, &text), A_Err_NONE);
        EXPECT_STREQ(static_cast<const char*>(text), row.result) << row.script;
        EXPECT_EQ(memory_->AEGP_UnlockMemHandle(result), A_Err_NONE);
        EXPECT_EQ(memory_->AEGP_FreeMemHandle(result), A_Err_NONE);
    }
}

TEST_F(PanelSuites, AScriptErrorIsAHostErrorWithTheEnginesMessage) {
    AEGP_MemHandle result = nullptr;
    AEGP_MemHandle error = nullptr;
    EXPECT_EQ(utility_->AEGP_ExecuteScript(0, "missing + 1", false, &result, &error), A_Err_GENERIC);
    EXPECT_EQ(result, nullptr);
    ASSERT_NE(error, nullptr);
    void* text = nullptr;
    ASSERT_EQ(memory_->AEGP_LockMemHandle(error, &text), A_Err_NONE);
    EXPECT_NE(std::string(static_cast<const char*>(text)).find("ReferenceError"), std::string::npos)
        << static_cast<const char*>(text);
    EXPECT_EQ(host_.last_script_outcome().text, static_cast<const char*>(text));
    EXPECT_EQ(host_.last_script(), "missing + 1");
    EXPECT_EQ(memory_->AEGP_UnlockMemHandle(error), A_Err_NONE);
    EXPECT_EQ(memory_->AEGP_FreeMemHandle(error), A_Err_NONE);
    EXPECT_EQ(utility_->AEGP_ExecuteScript(0, "syntax error here (", false, &result, nullptr), A_Err_GENERIC);
    EXPECT_NE(host_.last_script_outcome().text.find("SyntaxError"), std::string::npos)
        << host_.last_script_outcome().text;
    EXPECT_EQ(result, nullptr);
}

TEST(ScriptEngine, EachScriptRunsInAFreshInterpreter) {
    EXPECT_TRUE(run_script("var kept = 5; kept").ok);
    const ScriptOutcome second = run_script("typeof kept");
    EXPECT_TRUE(second.ok);
    EXPECT_EQ(second.text, "undefined");
    const ScriptOutcome thrown = run_script("throw new Error('from the script')");
    EXPECT_FALSE(thrown.ok);
    EXPECT_EQ(thrown.text, "Error: from the script");
}

}  // namespace
}  // namespace fx
