#include "simhost/loaded_plugin.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "AE_GeneralPlug.h"
#include "simhost/elf_section_reader.h"

namespace fx {
namespace {

TEST(LoadedPlugin, RegistersWithTheCallbackAndUsesTheNamedEntryPoint) {
    SimHost host;
    LoadedPlugin plugin(host, FX_SAMPLE_PLUGIN_PATH);
    const Registration r = plugin.register_plugin(7);
    EXPECT_EQ(r.calls, 1);
    EXPECT_EQ(r.name, "Sample Effect");
    EXPECT_EQ(r.match_name, "simhost_sample");
    EXPECT_EQ(r.category, "Samples");
    EXPECT_EQ(r.entry_point, "SampleMain");
    EXPECT_EQ(r.kind, 0x65464B54);
    EXPECT_EQ(r.api_major, 13);
    EXPECT_EQ(r.api_minor, 27);
    EXPECT_EQ(r.reserved_info, 8);
    EXPECT_EQ(r.result, 7) << "the callback's answer comes back unchanged";
    // The sample exports no "EffectMain": a command only works through the registered name.
    EXPECT_EQ(plugin.call(PF_Cmd_ABOUT).result, PF_Err_NONE);
    EXPECT_FALSE(plugin.pipl().has_value()) << "the sample carries no registration record";
}

TEST(LoadedPlugin, KeepsTheHandlesThePlugInHandsBack) {
    SimHost host;
    LoadedPlugin plugin(host, FX_SAMPLE_PLUGIN_PATH);
    plugin.register_plugin();
    const CommandResult setup = plugin.call(PF_Cmd_GLOBAL_SETUP);
    ASSERT_EQ(setup.result, PF_Err_NONE);
    EXPECT_EQ(setup.out.my_version, 0x00100002u);
    ASSERT_NE(plugin.global_data(), nullptr);
    EXPECT_TRUE(host.handles().holds(plugin.global_data()));

    ASSERT_EQ(plugin.call(PF_Cmd_PARAMS_SETUP).result, PF_Err_NONE);
    ASSERT_EQ(host.added_params().size(), 1u);
    EXPECT_EQ(host.added_params()[0].items, "One|Two") << "the host keeps its own copy of the items";
    EXPECT_STREQ(host.added_params()[0].def.name, "Mode");

    ASSERT_EQ(plugin.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    PF_Handle live = plugin.sequence_data();
    ASSERT_NE(live, nullptr);
    const void* table = nullptr;
    ASSERT_EQ(host.basic_suite()->AcquireSuite("PF Effect Sequence Data Suite", 1, &table), 0);
    PF_ConstHandle reported = nullptr;
    EXPECT_EQ(
        static_cast<const PF_EffectSequenceDataSuite1*>(table)->PF_GetConstSequenceData(host.effect_ref(), &reported),
        PF_Err_NONE);
    EXPECT_EQ(reinterpret_cast<const void*>(reported), static_cast<const void*>(live))
        << "the suite reports the instance's live sequence data";
    host.basic_suite()->ReleaseSuite("PF Effect Sequence Data Suite", 1);
    EXPECT_EQ(plugin.call(PF_Cmd_RENDER).result, PF_Err_NONE) << "render sees the handles from set-up";
    EXPECT_EQ(plugin.call(PF_Cmd_RENDER).result, PF_Err_NONE);
    host.set_abort_result(PF_Interrupt_CANCEL);
    EXPECT_EQ(plugin.call(PF_Cmd_RENDER).result, PF_Interrupt_CANCEL);

    ASSERT_EQ(plugin.call(PF_Cmd_GET_FLATTENED_SEQUENCE_DATA).result, PF_Err_NONE);
    EXPECT_EQ(plugin.sequence_data(), live) << "the live record stays the instance's";
    PF_Handle copy = plugin.take_flattened_copy();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, live);
    int renders = 0;
    std::memcpy(&renders, *copy, sizeof renders);
    EXPECT_EQ(renders, 3);
    host.handles().dispose(copy);

    EXPECT_EQ(plugin.call(PF_Cmd_SEQUENCE_SETDOWN).result, PF_Err_NONE);
    EXPECT_EQ(plugin.sequence_data(), nullptr);
    EXPECT_EQ(plugin.call(PF_Cmd_GLOBAL_SETDOWN).result, PF_Err_NONE);
    EXPECT_EQ(plugin.global_data(), nullptr);
    EXPECT_EQ(host.handles().leak_report(), "no handles left");
    EXPECT_TRUE(host.suites().outstanding().empty());
    EXPECT_TRUE(host.misuses().empty());
    EXPECT_EQ(plugin.history().size(), 9u);
    EXPECT_EQ(host.log().count("EffectMain"), 9u);
}

TEST(LoadedPlugin, CommandsFromSeveralThreadsAtOnce) {
    SimHost host;
    LoadedPlugin plugin(host, FX_SAMPLE_PLUGIN_PATH);
    plugin.register_plugin();
    ASSERT_EQ(plugin.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    ASSERT_EQ(plugin.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 50; ++i) failures += plugin.call(PF_Cmd_RENDER).result != PF_Err_NONE;
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
    int renders = 0;
    std::memcpy(&renders, *plugin.sequence_data(), sizeof renders);
    EXPECT_EQ(renders, 200);
    EXPECT_EQ(plugin.history().size(), 202u);
    EXPECT_EQ(host.log().count("abort"), 200u);
    const CommandResult last = plugin.history().back();
    EXPECT_EQ(last.in.sequence_data, plugin.sequence_data()) << "in_data is kept with the result";
    plugin.call(PF_Cmd_SEQUENCE_SETDOWN);
    plugin.call(PF_Cmd_GLOBAL_SETDOWN);
    EXPECT_EQ(host.handles().live_count(), 0u);
    EXPECT_TRUE(host.misuses().empty());
}

TEST(LoadedPlugin, FailedAllocationReachesThePlugIn) {
    SimHost host;
    host.faults().fail_nth("host_new_handle", 1, PF_Err_OUT_OF_MEMORY);
    LoadedPlugin plugin(host, FX_SAMPLE_PLUGIN_PATH);
    plugin.register_plugin();
    EXPECT_EQ(plugin.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(plugin.global_data(), nullptr);
    EXPECT_EQ(host.handles().live_count(), 0u);
}

TEST(LoadedPlugin, OverlongMessageIsCutToTheMessageArea) {
    SimHost host;
    LoadedPlugin plugin(host, FX_SAMPLE_PLUGIN_PATH);
    plugin.register_plugin();
    const CommandResult about = plugin.call(PF_Cmd_ABOUT);
    EXPECT_EQ(about.message(), std::string(255, 'x'));
    EXPECT_TRUE(about.shows_message());
}

TEST(LoadedPlugin, LibrariesThatCannotServeAreRefusedWithTheirPath) {
    SimHost host;
    try {
        LoadedPlugin missing(host, "/nonexistent/plugin.so");
        ADD_FAILURE() << "a missing library was loaded";
    } catch (const PluginLoadError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/plugin.so"), std::string::npos) << error.what();
    }
    LoadedPlugin no_entries(host, FX_ELF_SAMPLE_PATH);
    EXPECT_THROW(no_entries.register_plugin(), PluginLoadError);
    EXPECT_THROW(no_entries.call(PF_Cmd_ABOUT), PluginLoadError);
    ASSERT_TRUE(no_entries.pipl().has_value());
    EXPECT_EQ(no_entries.pipl()->find("name")->pascal_text(), "Sample");
}

}  // namespace
}  // namespace fx
