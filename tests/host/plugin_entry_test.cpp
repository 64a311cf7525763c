// The built plug-in library driven the way the host drives it: loaded, registered, its
// resource read from the file, and commands sent through EffectMain.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

class PluginEntry : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    // Host calls other than the host's own records of the command itself.
    std::size_t plugin_calls() {
        std::size_t n = 0;
        for (const HostCall& call : host_.log().calls())
            if (call.source != "host") ++n;
        return n;
    }

    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
};

TEST_F(PluginEntry, RegistersOnceWithTheRegistrationValues) {
    const Registration r = plugin_.register_plugin();
    EXPECT_EQ(r.calls, 1);
    EXPECT_EQ(r.name, "Morvelline 2 Pro");
    EXPECT_EQ(r.match_name, "zqx_morvfact");
    EXPECT_EQ(r.category, "Quenly");
    EXPECT_EQ(r.entry_point, "EffectMain");
    EXPECT_EQ(r.kind, 0x65464B54);
    EXPECT_EQ(r.api_major, 13);
    EXPECT_EQ(r.api_minor, 27);
    EXPECT_EQ(r.reserved_info, 8);
    EXPECT_EQ(r.result, 0);
}

TEST_F(PluginEntry, RegistrationReturnsTheCallbacksAnswer) { EXPECT_EQ(plugin_.register_plugin(517).result, 517); }

TEST_F(PluginEntry, ResourceRepeatsTheRegisteredValues) {
    const Registration r = plugin_.register_plugin();
    const auto record = plugin_.pipl();
    ASSERT_TRUE(record.has_value()) << "no registration resource in " << FX_PLUGIN_PATH;
    ASSERT_NE(record->find("name"), nullptr);
    EXPECT_EQ(record->find("name")->pascal_text(), r.name);
    ASSERT_NE(record->find("catg"), nullptr);
    EXPECT_EQ(record->find("catg")->pascal_text(), r.category);
    ASSERT_NE(record->find("eMNA"), nullptr);
    EXPECT_EQ(record->find("eMNA")->pascal_text(), r.match_name);
    ASSERT_NE(record->find("8664"), nullptr);
    EXPECT_EQ(record->find("8664")->c_text(), r.entry_point);
    ASSERT_NE(record->find("eSVR"), nullptr);
    EXPECT_EQ(record->find("eSVR")->i16(0), r.api_major);
    EXPECT_EQ(record->find("eSVR")->i16(1), r.api_minor);
    ASSERT_NE(record->find("aeFL"), nullptr);
    EXPECT_EQ(static_cast<A_long>(record->find("aeFL")->u32()), r.reserved_info);
    ASSERT_NE(record->find("eGLO"), nullptr);
    EXPECT_EQ(record->find("eGLO")->u32(), 0x06008064u);
    ASSERT_NE(record->find("eGL2"), nullptr);
    EXPECT_EQ(record->find("eGL2")->u32(), 0x08E21488u);
}

TEST_F(PluginEntry, UnknownCommandsReturnZeroAndTouchNothing) {
    for (const PF_Cmd cmd : {2, 10, 12, 16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 29, 30, 31, 32, 33, 34, 99, -1, -9}) {
        const CommandResult r = plugin_.call(cmd);
        EXPECT_EQ(r.result, PF_Err_NONE) << "command " << cmd;
        EXPECT_EQ(r.out.out_flags, 0) << "command " << cmd;
        EXPECT_EQ(r.out.out_flags2, 0) << "command " << cmd;
        EXPECT_EQ(r.message(), "") << "command " << cmd;
        EXPECT_EQ(r.out.global_data, nullptr) << "command " << cmd;
    }
    EXPECT_EQ(plugin_calls(), 0u);
}

TEST_F(PluginEntry, AboutWritesItsTextThroughTheAnsiSuite) {
    const CommandResult r = plugin_.call(PF_Cmd_ABOUT);
    EXPECT_EQ(r.result, PF_Err_NONE);
    const std::string message = r.message();
    EXPECT_EQ(message.rfind("Morvelline 2 Pro\r", 0), 0u) << message;
    EXPECT_NE(message.find("\rv"), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.size() - 14), ", core: 23.7.8") << message;
    const auto copies = host_.log().calls_named("strcpy");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].source, "PF ANSI Suite v1");
    EXPECT_EQ(host_.log().count("sprintf"), 0u) << "the text is copied, never used as a format";
}

TEST_F(PluginEntry, AboutUnderPremiereProDoesNothing) {
    host_.settings().app = HostApp::premiere_pro;
    const CommandResult r = plugin_.call(PF_Cmd_ABOUT);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.message(), "");
    EXPECT_EQ(plugin_calls(), 0u);
}

TEST_F(PluginEntry, AboutWithoutTheAnsiSuiteReturns516) {
    host_.suites().refuse("PF ANSI Suite", 1, kSPSuiteNotFoundError);
    const CommandResult r = plugin_.call(PF_Cmd_ABOUT);
    EXPECT_EQ(r.result, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(r.message(), "");
}

TEST_F(PluginEntry, OptionsBeforeGlobalSetUpReturnsZeroAndCallsNothing) {
    EXPECT_EQ(plugin_.call(PF_Cmd_DO_DIALOG).result, PF_Err_NONE);
    EXPECT_EQ(plugin_calls(), 0u);
}

TEST_F(PluginEntry, SequenceCommandsBeforeGlobalSetUpKeepNothing) {
    // An instance's whole life before global set-up has run: set-up has no global state
    // to work with and makes no record, so flattening finds no sequence data; no command
    // shows a message, and nothing the plug-in allocated is left behind.
    const std::pair<PF_Cmd, PF_Err> commands[] = {
        {PF_Cmd_SEQUENCE_SETUP, PF_Err_NONE},
        {PF_Cmd_SEQUENCE_RESETUP, PF_Err_NONE},
        {PF_Cmd_GET_FLATTENED_SEQUENCE_DATA, PF_Err_INTERNAL_STRUCT_DAMAGED},
        {PF_Cmd_SEQUENCE_FLATTEN, PF_Err_INTERNAL_STRUCT_DAMAGED},
        {PF_Cmd_SEQUENCE_RESETUP, PF_Err_NONE},
        {PF_Cmd_SEQUENCE_SETDOWN, PF_Err_NONE},
    };
    for (const auto& [cmd, expected] : commands) {
        const CommandResult r = plugin_.call(cmd);
        EXPECT_EQ(r.result, expected) << "command " << cmd;
        EXPECT_FALSE(r.shows_message()) << "command " << cmd << ": " << r.message();
        EXPECT_EQ(r.out.global_data, nullptr) << "command " << cmd;
        EXPECT_EQ(r.out.sequence_data, nullptr) << "command " << cmd;
    }
    EXPECT_EQ(plugin_.take_flattened_copy(), nullptr);
    EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
}

}  // namespace
}  // namespace fx
