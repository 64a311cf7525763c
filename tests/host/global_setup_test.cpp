// Global set-up and teardown of the built plug-in, driven through EffectMain by the
// simulated host as After Effects and as Premiere Pro: what the host was asked, in which
// order, what it was told (out flags, version word, global data) and what it got back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "AE_GeneralPlug.h"
#include "PrSDKAESupport.h"
#include "SPErrorCodes.h"
#include "definition/loader/load_definition.h"
#include "definition_file.h"
#include "host/global_state.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

constexpr A_u_long version_10_3_7 = 0x04118007;

using test::DefinitionFile;

// A definition with the given settings lines added to the ones every test here shares.
std::string settings_definition(const std::string& settings) {
    return "[settings]\nversion=10.3.7\nusegpu=-1\ndialogbutton=Reload FX\n" + settings +
           "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n";
}

class GlobalSetup : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    void as_premiere() { host_.settings().app = HostApp::premiere_pro; }

    // The record in the global data handle, read the way the host's memory holds it.
    GlobalState global_state() {
        auto* state = static_cast<GlobalState*>(host_.handles().lock(plugin_.global_data()));
        GlobalState copy = state != nullptr ? *state : GlobalState{};
        host_.handles().unlock(plugin_.global_data());
        return copy;
    }

    // "name(args)" of every call the plug-in made, without the host's own records;
    // addresses (handles, effect_ref) read as "*", since they change from run to run.
    std::vector<std::string> plugin_calls() {
        static const std::regex address("0x[0-9a-f]+");
        std::vector<std::string> out;
        for (const HostCall& call : host_.log().calls())
            if (call.source != "host")
                out.push_back(call.name + "(" + std::regex_replace(call.args, address, "*") + ")");
        return out;
    }

    bool called(const std::string& name) { return host_.log().count(name) > 0; }
    bool asked_for(const std::string& suite) {
        for (const HostCall& call : host_.log().calls_named("AcquireSuite"))
            if (call.args.rfind("\"" + suite + "\"", 0) == 0) return true;
        return false;
    }

    CommandResult teardown() { return plugin_.call(PF_Cmd_GLOBAL_SETDOWN); }

    DefinitionFile definition_{settings_definition("")};
    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
};

TEST_F(GlobalSetup, AfterEffectsRegistersNamesTheButtonAndKeepsTheRecord) {
    const CommandResult r = plugin_.call(PF_Cmd_GLOBAL_SETUP);
    ASSERT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(static_cast<std::uint32_t>(r.out.out_flags), 0x06008064u);
    EXPECT_EQ(static_cast<std::uint32_t>(r.out.out_flags2), 0x08E21488u);
    EXPECT_EQ(r.out.my_version, version_10_3_7);
    EXPECT_FALSE(r.shows_message()) << r.message();
    ASSERT_NE(r.out.global_data, nullptr);
    EXPECT_EQ(host_.handles().size(r.out.global_data), 64u);
    EXPECT_EQ(host_.handles().lock_count(r.out.global_data), 0) << "the record is unlocked when set-up ends";
    const std::vector<std::string> expected{
        "AcquireSuite(\"PF Handle Suite\", 2)",
        "host_new_handle(64 -> *)",
        "host_lock_handle(*)",
        "AcquireSuite(\"PF World Suite\", 2)",
        "AcquireSuite(\"AEGP Utility Suite\", 7)",
        "AEGP_RegisterWithAEGP(null, \"Morvelline 2 Pro\")",
        "AcquireSuite(\"PF Effect UI Suite\", 1)",
        "PF_SetOptionsButtonName(*, \"Reload FX\")",
        "ReleaseSuite(\"PF Effect UI Suite\", 1)",
        "host_unlock_handle(*)",
        "ReleaseSuite(\"PF Handle Suite\", 2)",
        "ReleaseSuite(\"AEGP Utility Suite\", 7)",
    };
    EXPECT_EQ(plugin_calls(), expected);
    EXPECT_EQ(host_.aegp_plugins(), std::vector<std::string>{"Morvelline 2 Pro"});

    const GlobalState state = global_state();
    EXPECT_EQ(state.aegp_plugin_id, 1) << "the id the host handed out";
    EXPECT_EQ(state.initialized, 1);
    EXPECT_EQ(state.renderer, nullptr) << "usegpu below 0 makes no renderer";
    EXPECT_EQ(state.resource_handle, nullptr);
    EXPECT_EQ(state.last_sequence, nullptr);
    EXPECT_NE(state.suites, nullptr);
    EXPECT_NE(state.world_suite, nullptr);
    EXPECT_EQ(state.pixel_format_suite, nullptr);
    EXPECT_EQ(host_.suites().outstanding().size(), 1u) << "only the kept world suite";

    host_.log().clear();
    EXPECT_EQ(teardown().result, PF_Err_NONE);
    const std::vector<std::string> teardown_calls{
        "AcquireSuite(\"PF Handle Suite\", 2)", "host_lock_handle(*)",
        "ReleaseSuite(\"PF World Suite\", 2)",  "host_dispose_handle(*)",
        "ReleaseSuite(\"PF Handle Suite\", 2)",
    };
    EXPECT_EQ(plugin_calls(), teardown_calls);
}

TEST_F(GlobalSetup, SuitesTheKeptCacheAcquiredAreReleasedAtTeardown) {
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    // About writes through the ANSI suite of the record's own cache, which keeps it.
    ASSERT_EQ(plugin_.call(PF_Cmd_ABOUT).result, PF_Err_NONE);
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).released, 0);
    EXPECT_EQ(teardown().result, PF_Err_NONE);
    EXPECT_EQ(host_.suites().counts("PF ANSI Suite", 1).released, 1);
}

TEST_F(GlobalSetup, AboutShowsTheLoadedDefinitionsVersion) {
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    const std::string message = plugin_.call(PF_Cmd_ABOUT).message();
    EXPECT_NE(message.find("\rv10.3.7, core: 23.7.8"), std::string::npos) << message;
    teardown();
}

TEST_F(GlobalSetup, AboutShowsTheDefinitionsTextExpandedCutAndCopiedLiterally) {
    // Escapes expand before the cut, format directives stay text, and the version at the
    // end is what the cut takes away first.
    std::string description = "Line one\\rLine two\\n100% %s %d %n ";
    const std::string expanded_head = "Line one\rLine two\n100% %s %d %n ";
    description += std::string(240, 'x');
    const DefinitionFile long_about(settings_definition("description=" + description + "\n"));
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    host_.log().clear();
    const CommandResult about = plugin_.call(PF_Cmd_ABOUT);
    ASSERT_EQ(about.result, PF_Err_NONE);
    std::string expected = "Morvelline 2 Pro\r" + expanded_head + std::string(240, 'x');
    expected.resize(230);
    EXPECT_EQ(about.message(), expected);
    EXPECT_FALSE(about.shows_message());
    const auto copies = host_.log().calls_named("strcpy");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].source, "PF ANSI Suite v1");
    EXPECT_EQ(host_.log().count("sprintf"), 0u) << "the text is copied, never used as a format";
    teardown();
}

TEST_F(GlobalSetup, AboutOfAShortTextEndsWithTheVersion) {
    const DefinitionFile short_about(settings_definition("description=Short\\nabout\n"));
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    EXPECT_EQ(plugin_.call(PF_Cmd_ABOUT).message(), "Morvelline 2 Pro\rShort\nabout\rv10.3.7, core: 23.7.8");
    teardown();
}

TEST_F(GlobalSetup, OptionsReloadsTheEditedDefinitionAndMarksTextsDirty) {
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    const DefinitionFile edited(settings_definition("version=10.4.0\n"));  // later "version" lines win
    EXPECT_EQ(global_state().texts_dirty, 0);
    EXPECT_EQ(plugin_.call(PF_Cmd_DO_DIALOG).result, PF_Err_NONE);
    EXPECT_EQ(global_state().texts_dirty, 1);
    const std::string message = plugin_.call(PF_Cmd_ABOUT).message();
    EXPECT_NE(message.find("\rv10.4.0, core: 23.7.8"), std::string::npos) << message;
    teardown();
}

struct PremiereRow {
    const char* label;
    const char* settings;
    std::uint32_t out_flags2;
};

void PrintTo(const PremiereRow& row, std::ostream* os) { *os << row.label; }

class GlobalSetupPremiere : public GlobalSetup, public ::testing::WithParamInterface<PremiereRow> {};

TEST_P(GlobalSetupPremiere, DeclaresFormatsAndNeitherRegistersNorNamesTheButton) {
    const DefinitionFile definition(settings_definition(GetParam().settings));
    as_premiere();
    const CommandResult r = plugin_.call(PF_Cmd_GLOBAL_SETUP);
    ASSERT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(static_cast<std::uint32_t>(r.out.out_flags), 0x06008064u);
    EXPECT_EQ(static_cast<std::uint32_t>(r.out.out_flags2), GetParam().out_flags2);
    EXPECT_EQ(r.out.my_version, version_10_3_7);
    ASSERT_NE(r.out.global_data, nullptr);
    const std::vector<std::string> expected{
        "AcquireSuite(\"PF Handle Suite\", 2)",
        "host_new_handle(64 -> *)",
        "host_lock_handle(*)",
        "AcquireSuite(\"PF World Suite\", 2)",
        "AcquireSuite(\"PF Cache On Load Suite\", 1)",
        "PF_SetNoCacheOnLoad(*, 1)",
        "ReleaseSuite(\"PF Cache On Load Suite\", 1)",
        "AcquireSuite(\"PF Pixel Format Suite\", 1)",
        "AddSupportedPixelFormat(1634879298)",
        "AddSupportedPixelFormat(1281443650)",
        "AddSupportedPixelFormat(1634887522)",
        "AcquireSuite(\"PF Utility Suite\", 4)",
        "EffectWantsCheckedOutFramesToMatchRenderPixelFormat(*)",
        "ReleaseSuite(\"PF Utility Suite\", 4)",
        "host_unlock_handle(*)",
        "ReleaseSuite(\"PF Handle Suite\", 2)",
    };
    EXPECT_EQ(plugin_calls(), expected);
    EXPECT_EQ(host_.supported_pixel_formats(),
              (std::vector<PF_PixelFormat>{PrPixelFormat_BGRA_4444_32f, PrPixelFormat_BGRA_4444_32f_Linear,
                                           PrPixelFormat_BGRA_4444_8u}));
    EXPECT_TRUE(host_.aegp_plugins().empty());
    const GlobalState state = global_state();
    EXPECT_EQ(state.aegp_plugin_id, 0);
    EXPECT_NE(state.pixel_format_suite, nullptr);
    EXPECT_NE(state.world_suite, nullptr);

    host_.log().clear();
    EXPECT_EQ(teardown().result, PF_Err_NONE);
    const std::vector<std::string> teardown_calls{
        "AcquireSuite(\"PF Handle Suite\", 2)", "host_lock_handle(*)",    "ReleaseSuite(\"PF Pixel Format Suite\", 1)",
        "ReleaseSuite(\"PF World Suite\", 2)",  "host_dispose_handle(*)", "ReleaseSuite(\"PF Handle Suite\", 2)",
    };
    EXPECT_EQ(plugin_calls(), teardown_calls);
}

INSTANTIATE_TEST_SUITE_P(Definitions, GlobalSetupPremiere,
                         ::testing::Values(PremiereRow{"filter", "", 0x08E21488u},
                                           PremiereRow{"transition", "transition=1\n", 0x08E21588u}),
                         [](const ::testing::TestParamInfo<PremiereRow>& info) { return info.param.label; });

// A set-up that fails somewhere. Each row first runs one good set-up and teardown, so
// that the version word of a failed set-up can be checked: it is the version of the
// definition loaded before.
struct FailureRow {
    const char* label;
    HostApp app;
    void (*fault)(SimHost& host);
    PF_Err result;
    bool keeps_global_data;  // the host has the handle (and a later teardown frees it)
    bool loads_definition;   // the definition is loaded: the button is named or formats declared
    const char* message;     // what the host's message area shows; "" for nothing
};

void PrintTo(const FailureRow& row, std::ostream* os) { *os << row.label; }

class GlobalSetupFailure : public GlobalSetup, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(GlobalSetupFailure, FailsCleanlyAndStillReportsTheVersion) {
    const FailureRow& row = GetParam();
    host_.settings().app = row.app;
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    ASSERT_EQ(teardown().result, PF_Err_NONE);
    host_.log().clear();

    row.fault(host_);
    const CommandResult r = plugin_.call(PF_Cmd_GLOBAL_SETUP);
    EXPECT_EQ(r.result, row.result);
    EXPECT_EQ(r.out.my_version, version_10_3_7);
    EXPECT_EQ(static_cast<std::uint32_t>(r.out.out_flags) & ~0x100u, 0x06008064u);
    EXPECT_EQ(r.out.global_data != nullptr, row.keeps_global_data);
    EXPECT_EQ(r.message(), row.message);
    EXPECT_EQ(r.shows_message(), *row.message != '\0');
    const bool premiere = row.app == HostApp::premiere_pro;
    EXPECT_EQ(asked_for("PF Effect UI Suite"), row.loads_definition && !premiere);
    EXPECT_EQ(asked_for("PF Utility Suite"), row.loads_definition && premiere);
    // Premiere Pro is told not to cache the plug-in whatever went wrong before.
    EXPECT_EQ(called("PF_SetNoCacheOnLoad"), premiere);

    host_.faults().reset();
    if (r.out.global_data != nullptr) {
        EXPECT_EQ(teardown().result, PF_Err_NONE);
    }
}

void no_new_handle(SimHost& host) { host.faults().fail_always("host_new_handle", PF_Err_OUT_OF_MEMORY); }
void no_lock(SimHost& host) { host.faults().fail_always("host_lock_handle", PF_Err_OUT_OF_MEMORY); }
void no_handle_suite(SimHost& host) { host.suites().refuse("PF Handle Suite", 2, kSPSuiteNotFoundError); }
void no_world_suite(SimHost& host) { host.suites().refuse("PF World Suite", 2, kSPSuiteNotFoundError); }
void no_aegp_utility(SimHost& host) { host.suites().refuse("AEGP Utility Suite", 7, kSPSuiteNotFoundError); }
void aegp_refuses(SimHost& host) { host.faults().fail_always("AEGP_RegisterWithAEGP", PF_Err_OUT_OF_MEMORY); }
void no_effect_ui(SimHost& host) { host.suites().refuse("PF Effect UI Suite", 1, kSPSuiteNotFoundError); }
void button_refused(SimHost& host) { host.faults().fail_always("PF_SetOptionsButtonName", PF_Err_OUT_OF_MEMORY); }
void no_pixel_formats(SimHost& host) { host.suites().refuse("PF Pixel Format Suite", 1, kSPSuiteNotFoundError); }

constexpr HostApp ae = HostApp::after_effects;
constexpr HostApp pr = HostApp::premiere_pro;
constexpr PF_Err suite_missing = kSPSuiteNotFoundError;

INSTANTIATE_TEST_SUITE_P(
    Faults, GlobalSetupFailure,
    ::testing::Values(
        FailureRow{"no_handle", ae, no_new_handle, PF_Err_INTERNAL_STRUCT_DAMAGED, false, false, ""},
        FailureRow{"no_handle_premiere", pr, no_new_handle, PF_Err_INTERNAL_STRUCT_DAMAGED, false, false, ""},
        FailureRow{"handle_will_not_lock", ae, no_lock, PF_Err_INTERNAL_STRUCT_DAMAGED, false, false, ""},
        FailureRow{"handle_will_not_lock_premiere", pr, no_lock, PF_Err_INTERNAL_STRUCT_DAMAGED, false, false, ""},
        FailureRow{"no_handle_suite", ae, no_handle_suite, PF_Err_BAD_CALLBACK_PARAM, false, false, ""},
        FailureRow{"no_handle_suite_premiere", pr, no_handle_suite, PF_Err_BAD_CALLBACK_PARAM, false, false, ""},
        FailureRow{"no_world_suite", ae, no_world_suite, suite_missing, false, false, ""},
        FailureRow{"no_world_suite_premiere", pr, no_world_suite, suite_missing, false, false, ""},
        FailureRow{"no_aegp_utility_suite", ae, no_aegp_utility, PF_Err_BAD_CALLBACK_PARAM, false, false, ""},
        FailureRow{"aegp_registration_refused", ae, aegp_refuses, PF_Err_OUT_OF_MEMORY, false, false, ""},
        FailureRow{"no_effect_ui_suite", ae, no_effect_ui, PF_Err_NONE, true, true, "Not able to acquire AEFX Suite."},
        FailureRow{"button_name_refused", ae, button_refused, PF_Err_OUT_OF_MEMORY, true, true, ""},
        FailureRow{"no_pixel_format_suite", pr, no_pixel_formats, suite_missing, true, true, ""}),
    [](const ::testing::TestParamInfo<FailureRow>& info) { return info.param.label; });

TEST_F(GlobalSetup, TeardownWithoutGlobalDataCallsNothing) {
    EXPECT_EQ(teardown().result, PF_Err_NONE);
    EXPECT_TRUE(plugin_calls().empty());
}

TEST_F(GlobalSetup, APixelFormatSuiteRefusedStillLeavesNothingAfterTeardown) {
    as_premiere();
    host_.suites().refuse("PF Pixel Format Suite", 1, kSPSuiteNotFoundError);
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, kSPSuiteNotFoundError);
    EXPECT_EQ(global_state().pixel_format_suite, nullptr);
    EXPECT_TRUE(host_.supported_pixel_formats().empty());
    host_.log().clear();
    EXPECT_EQ(teardown().result, PF_Err_NONE);
    EXPECT_EQ(host_.log().count("ReleaseSuite"), 2u) << "the world suite and the command's handle suite";
}

}  // namespace
}  // namespace fx
