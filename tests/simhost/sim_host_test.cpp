#include "simhost/sim_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "AE_AdvEffectSuites.h"
#include "AE_CacheOnLoadSuite.h"
#include "AE_EffectCBSuites.h"
#include "AE_EffectSuites.h"
#include "AE_EffectUI.h"
#include "AE_GeneralPlug.h"
#include "DrawbotSuite.h"
#include "PrSDKAESupport.h"
#include "SPBasic.h"

namespace fx {
namespace {

template <typename Suite>
Suite* acquire(SimHost& host, const char* name, int version) {
    const void* table = nullptr;
    EXPECT_EQ(host.basic_suite()->AcquireSuite(name, version, &table), kSPNoError) << name << " " << version;
    return static_cast<Suite*>(const_cast<void*>(table));
}

TEST(SimHostSuites, HandsOutEverySuiteThePlugInUses) {
    struct Row {
        const char* name;
        int version;
        std::size_t table_size;  // bytes of the suite's function table
    };
    const Row rows[] = {
        {"PF Handle Suite", 2, sizeof(PF_HandleSuite1)},
        {"PF World Suite", 2, sizeof(PF_WorldSuite2)},
        {"PF Pixel Format Suite", 1, sizeof(PF_PixelFormatSuite)},
        {"AEGP Utility Suite", 7, sizeof(AEGP_UtilitySuite3)},
        {"AEGP Utility Suite", 11, sizeof(AEGP_UtilitySuite5)},
        {"PF Cache On Load Suite", 1, sizeof(PF_CacheOnLoadSuite1)},
        {"PF Effect UI Suite", 1, sizeof(PF_EffectUISuite1)},
        {"PF Utility Suite", 4, sizeof(PF_UtilitySuite4)},
        {"PF Transition Suite", 2, sizeof(PF_TransitionSuite)},
        {"PF ANSI Suite", 1, sizeof(PF_ANSICallbacksSuite1)},
        {"PF Effect Sequence Data Suite", 1, sizeof(PF_EffectSequenceDataSuite1)},
        {"PF Iterate8 Suite", 1, sizeof(PF_Iterate8Suite1)},
        {"PF Param Utils Suite", 3, sizeof(PF_ParamUtilsSuite3)},
        {"AEGP Stream Suite", 7, sizeof(AEGP_StreamSuite2)},
        {"AEGP Dynamic Stream Suite", 2, sizeof(AEGP_DynamicStreamSuite2)},
        {"AEGP Effect Suite", 2, sizeof(AEGP_EffectSuite2)},
        {"AEGP PF Interface Suite", 1, sizeof(AEGP_PFInterfaceSuite1)},
        {"AEGP Memory Suite", 1, sizeof(AEGP_MemorySuite1)},
        {"PF AE Adv App Suite", 1, sizeof(PF_AdvAppSuite1)},
        {"PF Effect Custom UI Suite", 1, sizeof(PF_EffectCustomUISuite1)},
        {"DRAWBOT Draw Suite", 1, sizeof(DRAWBOT_DrawbotSuite1)},
        {"DRAWBOT Supplier Suite", 1, sizeof(DRAWBOT_SupplierSuite1)},
        {"DRAWBOT Surface Suite", 2, sizeof(DRAWBOT_SurfaceSuite2)},
        {"DRAWBOT Path Suite", 1, sizeof(DRAWBOT_PathSuite1)},
    };
    SimHost host;
    for (const Row& row : rows) {
        const void* table = nullptr;
        EXPECT_EQ(host.basic_suite()->AcquireSuite(row.name, row.version, &table), kSPNoError)
            << row.name << " v" << row.version;
        ASSERT_NE(table, nullptr) << row.name << " v" << row.version;
        // Every slot answers: a plug-in calling a function the host left empty would crash.
        void* slots[64] = {};
        ASSERT_LE(row.table_size, sizeof slots) << row.name;
        std::memcpy(slots, table, row.table_size);
        for (std::size_t i = 0; i < row.table_size / sizeof(void*); ++i)
            EXPECT_NE(slots[i], nullptr) << row.name << " v" << row.version << ": function " << i << " is empty";
        EXPECT_EQ(host.basic_suite()->ReleaseSuite(row.name, row.version), kSPNoError) << row.name;
        const SuiteCounts counts = host.suites().counts(row.name, row.version);
        EXPECT_EQ(counts.acquired, 1) << row.name;
        EXPECT_EQ(counts.released, 1) << row.name;
    }
    EXPECT_TRUE(host.suites().outstanding().empty());
}

TEST(SimHostSuites, UnknownRefusedAndOverReleasedSuites) {
    SimHost host;
    SPBasicSuite* basic = host.basic_suite();
    const void* table = reinterpret_cast<const void*>(&host);  // must be overwritten with null
    EXPECT_EQ(basic->AcquireSuite("PF Handle Suite", 1, &table), kSPSuiteNotFoundError) << "wrong version";
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(basic->AcquireSuite("No Such Suite", 1, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(basic->AcquireSuite(nullptr, 1, &table), kSPBadParameterError);
    EXPECT_EQ(host.suites().counts("PF Handle Suite", 1).refused, 1);

    host.suites().refuse("PF World Suite", 2, kSPCantAcquirePluginError);
    table = &host;
    EXPECT_EQ(basic->AcquireSuite("PF World Suite", 2, &table), kSPCantAcquirePluginError);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(host.suites().counts("PF World Suite", 2).refused, 1);
    EXPECT_EQ(host.suites().counts("PF World Suite", 2).acquired, 0);
    host.suites().allow("PF World Suite", 2);
    EXPECT_NE(acquire<PF_WorldSuite2>(host, "PF World Suite", 2), nullptr);
    EXPECT_NE(acquire<PF_WorldSuite2>(host, "PF World Suite", 2), nullptr);

    const auto open = host.suites().outstanding();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].first.name, "PF World Suite");
    EXPECT_EQ(open[0].second, 2);
    EXPECT_EQ(basic->ReleaseSuite("PF World Suite", 2), kSPNoError);
    EXPECT_EQ(basic->ReleaseSuite("PF World Suite", 2), kSPNoError);
    EXPECT_EQ(basic->ReleaseSuite("PF World Suite", 2), kSPSuiteAlreadyReleasedError);
    ASSERT_EQ(host.misuses().size(), 1u);
    EXPECT_NE(host.misuses()[0].find("released more often than acquired"), std::string::npos);
    // Never handed out: an unknown suite, and one the host refused every time.
    EXPECT_EQ(basic->ReleaseSuite("No Such Suite", 1), kSPSuiteNotFoundError);
    EXPECT_EQ(basic->ReleaseSuite("PF Handle Suite", 1), kSPSuiteNotFoundError);
    host.suites().refuse("PF ANSI Suite", 1, kSPSuiteNotFoundError);
    EXPECT_EQ(basic->AcquireSuite("PF ANSI Suite", 1, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(basic->ReleaseSuite("PF ANSI Suite", 1), kSPSuiteAlreadyReleasedError);
    EXPECT_EQ(host.misuses().size(), 4u);
    EXPECT_TRUE(host.suites().outstanding().empty());

    const auto acquires = host.log().calls_named("AcquireSuite");
    ASSERT_FALSE(acquires.empty());
    EXPECT_EQ(acquires[0].source, "basic");
    EXPECT_EQ(acquires[0].args, "\"PF Handle Suite\", 1");
    EXPECT_EQ(acquires[0].result, kSPSuiteNotFoundError);
}

TEST(SimHostSuites, FailingSuiteAnswersItsCodeFromEveryFunction) {
    SimHost host;
    auto* handles = acquire<PF_HandleSuite1>(host, kPFHandleSuite, kPFHandleSuiteVersion1);
    host.suites().fail(kPFHandleSuite, kPFHandleSuiteVersion1, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(handles->host_new_handle(8), nullptr);
    PF_Handle h = host.utils()->host_new_handle(8);
    EXPECT_NE(h, nullptr) << "the callbacks in utils are another source and still work";
    EXPECT_EQ(handles->host_lock_handle(h), nullptr);
    EXPECT_EQ(handles->host_resize_handle(16, &h), PF_Err_OUT_OF_MEMORY);
    const auto news = host.log().calls_named("host_new_handle");
    ASSERT_EQ(news.size(), 2u);
    EXPECT_EQ(news[0].source, "PF Handle Suite v2");
    EXPECT_EQ(news[0].result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(news[1].source, "utils");
    EXPECT_EQ(news[1].result, 0);
    host.suites().heal(kPFHandleSuite, kPFHandleSuiteVersion1);
    EXPECT_NE(handles->host_lock_handle(h), nullptr);
    handles->host_unlock_handle(h);
    handles->host_dispose_handle(h);
    EXPECT_TRUE(host.handles().leaks().empty());
}

TEST(SimHostHandles, SuiteAndUtilsShareOneStore) {
    SimHost host;
    auto* suite = acquire<PF_HandleSuite1>(host, kPFHandleSuite, kPFHandleSuiteVersion1);
    PF_UtilCallbacks* utils = host.utils();
    PF_Handle h = suite->host_new_handle(100);
    ASSERT_NE(h, nullptr);
    std::memset(utils->host_lock_handle(h), 7, 100);
    utils->host_unlock_handle(h);
    EXPECT_EQ(utils->host_get_handle_size(h), 100u);
    ASSERT_EQ(utils->host_resize_handle(5000, &h), PF_Err_NONE);
    EXPECT_EQ(suite->host_get_handle_size(h), 5000u);
    EXPECT_EQ(static_cast<unsigned char*>(*h)[99], 7);
    EXPECT_EQ(utils->host_resize_handle(8, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    PF_Handle leaked = utils->host_new_handle(3);
    suite->host_dispose_handle(h);
    const auto leaks = host.handles().leaks();
    ASSERT_EQ(leaks.size(), 1u);
    EXPECT_EQ(leaks[0].handle, leaked);
    host.handles().dispose(leaked);
}

TEST(SimHostHandles, SizeOfADisposedHandleIsZeroAndAMisuse) {
    SimHost host;
    auto* suite = acquire<PF_HandleSuite1>(host, kPFHandleSuite, kPFHandleSuiteVersion1);
    PF_Handle h = suite->host_new_handle(12);
    EXPECT_EQ(suite->host_get_handle_size(h), 12u);
    EXPECT_TRUE(host.misuses().empty());
    suite->host_dispose_handle(h);
    EXPECT_EQ(host.utils()->host_get_handle_size(h), 0u);
    ASSERT_EQ(host.misuses().size(), 1u);
    EXPECT_NE(host.misuses()[0].find("host_get_handle_size"), std::string::npos) << host.misuses()[0];
    host.faults().fail_always("host_get_handle_size", PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(suite->host_get_handle_size(h), 0u);
    EXPECT_EQ(host.misuses().size(), 1u) << "a call the host failed on purpose looked at nothing";
}

TEST(SimHostHandles, InjectedFaultFailsTheNthNewHandle) {
    SimHost host;
    host.faults().fail_nth("host_new_handle", 2, PF_Err_OUT_OF_MEMORY);
    PF_Handle first = host.utils()->host_new_handle(4);
    PF_Handle second = host.utils()->host_new_handle(4);
    PF_Handle third = host.utils()->host_new_handle(4);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_NE(third, nullptr);
    const auto calls = host.log().calls_named("host_new_handle");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(calls[1].args, "4 -> null");
    host.utils()->host_dispose_handle(first);
    host.utils()->host_dispose_handle(third);
    host.utils()->host_dispose_handle(third);
    EXPECT_EQ(host.misuses().size(), 1u) << "disposing twice is reported";
}

TEST(SimHostHandles, FaultForOneSourceLeavesTheOtherAlone) {
    SimHost host;
    auto* suite = acquire<PF_HandleSuite1>(host, kPFHandleSuite, kPFHandleSuiteVersion1);
    host.faults().fail_nth("PF Handle Suite v2/host_new_handle", 2, PF_Err_OUT_OF_MEMORY);
    PF_Handle a = host.utils()->host_new_handle(1);
    PF_Handle b = suite->host_new_handle(1);
    PF_Handle c = host.utils()->host_new_handle(1);
    PF_Handle d = suite->host_new_handle(1);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr);
    EXPECT_NE(c, nullptr) << "the second call overall, but the first through utils";
    EXPECT_EQ(d, nullptr) << "the second call through the suite";
    host.handles().dispose_all();
}

TEST(SimHostText, PrintAndCopyIntoTheMessageAreaStayInside) {
    SimHost host;
    auto* ansi_suite = acquire<PF_ANSICallbacksSuite1>(host, kPFANSISuite, kPFANSISuiteVersion1);
    struct Row {
        const char* name;
        int (*print)(A_char*, const A_char*, ...);
        A_char* (*copy)(A_char*, const A_char*);
    };
    const Row rows[] = {{"utils", host.utils()->ansi.sprintf, host.utils()->ansi.strcpy},
                        {"suite", ansi_suite->sprintf, ansi_suite->strcpy}};
    for (const Row& row : rows) {
        PF_OutData out = SimHost::make_out_data(nullptr, nullptr);
        A_char guard[8];
        std::memset(guard, 'G', sizeof guard);
        host.texts().add(out.return_msg, sizeof out.return_msg);
        const std::string long_text(600, 'm');
        EXPECT_EQ(row.print(out.return_msg, "%s %d%%", "ok", 5), 5) << row.name;
        EXPECT_STREQ(out.return_msg, "ok 5%") << row.name;
        EXPECT_EQ(row.print(out.return_msg, "%s", long_text.c_str()), 255) << row.name;
        EXPECT_EQ(std::strlen(out.return_msg), 255u) << row.name;
        EXPECT_EQ(out.start_sampL, 0) << row.name << ": the field after return_msg was written";
        EXPECT_EQ(row.copy(out.return_msg, long_text.c_str()), out.return_msg) << row.name;
        EXPECT_EQ(std::strlen(out.return_msg), 255u) << row.name;
        EXPECT_EQ(row.copy(out.return_msg + 250, "abcdefgh"), out.return_msg + 250) << row.name;
        EXPECT_STREQ(out.return_msg + 250, "abcde") << row.name;
        EXPECT_EQ(row.print(nullptr, "x"), -1) << row.name;
        EXPECT_EQ(row.copy(out.return_msg, nullptr), nullptr) << row.name;
        host.texts().remove(out.return_msg);
        A_char name[32];
        EXPECT_EQ(row.copy(name, "Mode"), name) << row.name;
        EXPECT_STREQ(name, "Mode") << row.name;
        EXPECT_EQ(std::string(guard, 8), "GGGGGGGG");
    }
    const auto prints = host.log().calls_named("sprintf");
    ASSERT_GE(prints.size(), 2u);
    EXPECT_NE(prints[1].args.find("(cut to 255 characters)"), std::string::npos) << prints[1].args;
    EXPECT_EQ(prints.back().result, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_DOUBLE_EQ(ansi_suite->pow(2.0, 10.0), 1024.0);
    EXPECT_DOUBLE_EQ(host.utils()->ansi.hypot(3.0, 4.0), 5.0);
}

struct RowVisits {
    std::mutex mutex;
    std::vector<int> rows;
    std::set<int> threads;
    std::set<std::thread::id> thread_zero;
    int fail_at = -1;
};

PF_Err visit_row(void* refcon, A_long thread_index, A_long i, A_long iterations) {
    auto* visits = static_cast<RowVisits*>(refcon);
    std::lock_guard lock(visits->mutex);
    if (iterations <= 0 || i < 0 || i >= iterations) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    visits->rows.push_back(i);
    visits->threads.insert(thread_index);
    if (thread_index == 0) visits->thread_zero.insert(std::this_thread::get_id());
    return i == visits->fail_at ? PF_Interrupt_CANCEL : PF_Err_NONE;
}

TEST(SimHostIterate, GenericIterationCoversEveryRowOnSeveralThreads) {
    SimHost host;
    host.settings().iterate_threads = 3;
    auto* suite = acquire<PF_Iterate8Suite1>(host, kPFIterate8Suite, kPFIterate8SuiteVersion1);
    using Iterate = PF_Err (*)(A_long, void*, PF_IterateGenericFunc);
    const std::pair<const char*, Iterate> sources[] = {{"utils", host.utils()->iterate_generic},
                                                       {"suite", suite->iterate_generic}};
    for (const auto& [name, iterate] : sources) {
        RowVisits visits;
        EXPECT_EQ(iterate(200, &visits, visit_row), PF_Err_NONE) << name;
        std::sort(visits.rows.begin(), visits.rows.end());
        ASSERT_EQ(visits.rows.size(), 200u) << name;
        for (int i = 0; i < 200; ++i) EXPECT_EQ(visits.rows[i], i) << name;
        EXPECT_LE(*visits.threads.rbegin(), 2) << name;
        for (const auto& id : visits.thread_zero) EXPECT_EQ(id, std::this_thread::get_id()) << name;

        RowVisits failing;
        failing.fail_at = 50;
        EXPECT_EQ(iterate(200, &failing, visit_row), PF_Interrupt_CANCEL) << name;
        EXPECT_LT(failing.rows.size(), 200u) << name << ": rows went on after the error";
        EXPECT_EQ(iterate(10, &visits, nullptr), PF_Err_BAD_CALLBACK_PARAM) << name;
    }
    host.faults().fail_nth("iterate_generic", 7, PF_Err_OUT_OF_MEMORY);
    RowVisits untouched;
    EXPECT_EQ(host.utils()->iterate_generic(5, &untouched, visit_row), PF_Err_OUT_OF_MEMORY);
    EXPECT_TRUE(untouched.rows.empty());
}

TEST(SimHostInData, FilledAsTheHostSendsIt) {
    struct Row {
        HostApp app;
        A_long appl_id;
    };
    for (const Row& row : {Row{HostApp::after_effects, 0x46585443}, Row{HostApp::premiere_pro, 0x50724D72}}) {
        HostSettings settings;
        settings.app = row.app;
        settings.width = 320;
        settings.height = 200;
        SimHost host(settings);
        int global_marker = 0;
        auto* global = reinterpret_cast<PF_Handle>(&global_marker);
        const PF_InData in = host.make_in_data(global, nullptr);
        EXPECT_EQ(in.appl_id, row.appl_id);
        EXPECT_EQ(in.version.major, 13);
        EXPECT_EQ(in.version.minor, 27);
        EXPECT_EQ(in.pica_basicP, host.basic_suite());
        EXPECT_EQ(in.utils, host.utils());
        EXPECT_EQ(in.effect_ref, host.effect_ref());
        EXPECT_EQ(in.width, 320);
        EXPECT_EQ(in.height, 200);
        EXPECT_EQ(in.extent_hint.right, 320);
        EXPECT_EQ(in.time_scale, 30u);
        EXPECT_EQ(in.downsample_x.den, 1u);
        EXPECT_EQ(in.global_data, global);
        EXPECT_EQ(in.sequence_data, nullptr);
        EXPECT_EQ(in.num_params, 1) << "the input layer";
        EXPECT_NE(in.inter.add_param, nullptr);
        EXPECT_NE(in.inter.checkout_layer_audio, nullptr) << "every slot answers, none is null";
    }
}

TEST(SimHostInteract, ParametersAbortAndWrongEffectRef) {
    SimHost host;
    PF_InData in = host.make_in_data(nullptr, nullptr);
    std::string items = "A|B|C";
    PF_ParamDef def{};
    def.param_type = PF_Param_POPUP;
    def.uu.id = 3;
    std::strcpy(def.name, "Pick");
    def.u.pd.num_choices = 3;
    def.u.pd.u.namesptr = items.c_str();
    EXPECT_EQ(in.inter.add_param(in.effect_ref, -1, &def), PF_Err_NONE);
    items = "changed afterwards";
    EXPECT_EQ(in.inter.add_param(in.effect_ref, 5, &def), PF_Err_INVALID_INDEX);
    EXPECT_EQ(in.inter.add_param(in.effect_ref, -1, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(host.added_params().size(), 1u);
    EXPECT_EQ(host.added_params()[0].items, "A|B|C");
    EXPECT_EQ(host.param_count(), 2);
    EXPECT_EQ(host.log().calls_named("add_param")[0].args,
              "-1, type " + std::to_string(PF_Param_POPUP) + ", name \"Pick\", id 3, flags 0, ui_flags 0");

    PF_ParamDef out{};
    EXPECT_EQ(in.inter.checkout_param(in.effect_ref, 1, 0, 1, 30, &out), PF_Err_NONE);
    EXPECT_EQ(out.uu.id, 3);
    EXPECT_STREQ(out.u.pd.u.namesptr, "A|B|C");
    EXPECT_EQ(in.inter.checkout_param(in.effect_ref, 2, 0, 1, 30, &out), PF_Err_INVALID_INDEX);
    EXPECT_EQ(host.checked_out_params(), 1);
    EXPECT_EQ(in.inter.checkin_param(in.effect_ref, &out), PF_Err_NONE);
    EXPECT_EQ(host.checked_out_params(), 0);
    EXPECT_EQ(in.inter.checkin_param(in.effect_ref, &out), PF_Err_BAD_CALLBACK_PARAM);

    PF_CustomUIInfo ui{};
    ui.events = PF_CustomEFlag_EFFECT;
    EXPECT_EQ(in.inter.register_ui(in.effect_ref, &ui), PF_Err_NONE);
    EXPECT_EQ(in.inter.register_ui(in.effect_ref, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(host.registered_ui().size(), 1u);
    EXPECT_EQ(host.registered_ui()[0].events, PF_CustomEFlag_EFFECT);

    EXPECT_EQ(in.inter.abort(in.effect_ref), PF_Err_NONE);
    host.set_abort_result(PF_Interrupt_CANCEL);
    EXPECT_EQ(in.inter.abort(in.effect_ref), PF_Interrupt_CANCEL);
    EXPECT_EQ(in.inter.progress(in.effect_ref, 1, 2), PF_Interrupt_CANCEL);

    int other = 0;
    const std::size_t before = host.misuses().size();
    EXPECT_EQ(in.inter.abort(reinterpret_cast<PF_ProgPtr>(&other)), PF_Err_BAD_CALLBACK_PARAM);
    ASSERT_EQ(host.misuses().size(), before + 1);
    EXPECT_NE(host.misuses().back().find("abort: effect_ref"), std::string::npos);
}

TEST(SimHostUnmodelled, RecordedAndAnswerTheHostsCode) {
    SimHost host;
    auto* world = acquire<PF_WorldSuite2>(host, kPFWorldSuite, kPFWorldSuiteVersion2);
    PF_EffectWorld w{};
    EXPECT_EQ(world->PF_NewWorld(host.effect_ref(), 4, 2, 1, PF_PixelFormat_ARGB32, &w), PF_Err_INVALID_CALLBACK);
    const auto calls = host.log().calls_named("PF_NewWorld");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].source, "PF World Suite v2");
    EXPECT_EQ(calls[0].args.substr(calls[0].args.find(',')),
              ", 4, 2, 1, " + std::to_string(PF_PixelFormat_ARGB32) + ", " + pointer_text(&w));
    host.set_unmodelled_result(PF_Err_NONE);
    EXPECT_EQ(world->PF_DisposeWorld(host.effect_ref(), &w), PF_Err_NONE);
    host.faults().fail_always("PF_DisposeWorld", 9);
    EXPECT_EQ(world->PF_DisposeWorld(host.effect_ref(), &w), 9);
}

TEST(SimHostAcceptedCalls, SetUpCallsAreRecordedWithTheirArguments) {
    SimHost host(HostSettings{.app = HostApp::premiere_pro});
    auto* formats = acquire<PF_PixelFormatSuite1>(host, kPFPixelFormatSuite, kPFPixelFormatSuiteVersion1);
    EXPECT_EQ(formats->AddSupportedPixelFormat(host.effect_ref(), PrPixelFormat_BGRA_4444_32f), PF_Err_NONE);
    EXPECT_EQ(formats->AddSupportedPixelFormat(host.effect_ref(), PrPixelFormat_BGRA_4444_8u), PF_Err_NONE);
    EXPECT_EQ(host.supported_pixel_formats(), (std::vector<PF_PixelFormat>{0x61724742, 0x61726762}));
    auto* ui = acquire<PF_EffectUISuite1>(host, kPFEffectUISuite, kPFEffectUISuiteVersion1);
    EXPECT_EQ(ui->PF_SetOptionsButtonName(host.effect_ref(), "Options..."), PF_Err_NONE);
    EXPECT_EQ(host.log().calls_named("PF_SetOptionsButtonName")[0].args,
              pointer_text(host.effect_ref()) + ", \"Options...\"");
    auto* utility = acquire<AEGP_UtilitySuite3>(host, kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3);
    AEGP_PluginID first = 0, second = 0;
    EXPECT_EQ(utility->AEGP_RegisterWithAEGP(nullptr, "Morvelline 2 Pro", &first), A_Err_NONE);
    EXPECT_EQ(utility->AEGP_RegisterWithAEGP(nullptr, "Other", &second), A_Err_NONE);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(utility->AEGP_RegisterWithAEGP(nullptr, "x", nullptr), A_Err_PARAMETER);
    EXPECT_EQ(host.aegp_plugins(), (std::vector<std::string>{"Morvelline 2 Pro", "Other"}));
}

TEST(SimHostBlocks, AllocateFreeAndReallocate) {
    SimHost host;
    SPBasicSuite* basic = host.basic_suite();
    void* block = nullptr;
    ASSERT_EQ(basic->AllocateBlock(64, &block), kSPNoError);
    std::memset(block, 1, 64);
    void* bigger = nullptr;
    ASSERT_EQ(basic->ReallocateBlock(block, 4096, &bigger), kSPNoError);
    static_cast<char*>(bigger)[4095] = 2;
    EXPECT_EQ(static_cast<char*>(bigger)[63], 1);
    EXPECT_EQ(host.open_blocks(), 1u);
    int stack_value = 0;
    EXPECT_EQ(basic->FreeBlock(&stack_value), kSPBadParameterError);
    EXPECT_EQ(basic->FreeBlock(bigger), kSPNoError);
    EXPECT_EQ(basic->FreeBlock(bigger), kSPBadParameterError);
    EXPECT_EQ(host.open_blocks(), 0u);
    EXPECT_EQ(host.misuses().size(), 2u);
    EXPECT_EQ(basic->AllocateBlock(8, nullptr), kSPBadParameterError);
    EXPECT_TRUE(basic->IsEqual("PF Handle Suite", "PF Handle Suite"));
    EXPECT_FALSE(basic->IsEqual("PF Handle Suite", "PF World Suite"));
    EXPECT_EQ(basic->Undefined(), kSPUnimplementedError);
}

}  // namespace
}  // namespace fx

namespace fx {
namespace {

Picture flat_picture(int width, int height, float value) {
    Picture picture(width, height);
    std::fill(picture.rgba.begin(), picture.rgba.end(), value);
    return picture;
}

TEST(SimHostLayerWorlds, APictureBecomesAWorldOnceAndAChangeMakesANewOne) {
    HostSettings settings;
    settings.time_step = 1;
    SimHost host(settings);
    host.clips().set(0, Clip{{flat_picture(3, 2, 0.25f), flat_picture(3, 2, 0.5f)}});
    std::shared_ptr<HostWorld> first = host.layer_world(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(host.layer_world(0, 0), first) << "a later frame of the same picture gets the kept world";
    std::shared_ptr<HostWorld> second = host.layer_world(0, 1);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->pixel_bytes(), std::vector<std::uint8_t>(3 * 2 * 4, 128));

    // Each part of the world's shape makes a world of its own, filled like a fresh one.
    const auto fresh_bytes = [&](const Picture& picture) {
        const HostSettings& s = host.settings();
        HostWorld fresh(s.pixel_format, picture.width, picture.height, s.row_padding, s.layer_origin_x,
                        s.layer_origin_y);
        fresh.fill(picture);
        return fresh.pixel_bytes();
    };
    std::vector<std::shared_ptr<HostWorld>> seen = {first, second};
    for (const auto& change : std::vector<std::function<void(HostSettings&)>>{
             [](HostSettings& s) { s.pixel_format = PF_PixelFormat_ARGB128; },
             [](HostSettings& s) { s.row_padding = 12; },
             [](HostSettings& s) { s.layer_origin_x = 4; },
             [](HostSettings& s) { s.layer_origin_y = 2; },
         }) {
        change(host.settings());
        const std::shared_ptr<HostWorld> world = host.layer_world(0, 0);
        ASSERT_NE(world, nullptr);
        EXPECT_EQ(std::find(seen.begin(), seen.end(), world), seen.end()) << "a world of another shape was reused";
        EXPECT_EQ(world->format(), host.settings().pixel_format);
        EXPECT_EQ(world->world().rowbytes,
                  static_cast<A_long>(host_pixel_bytes(world->format()) * 3) + host.settings().row_padding);
        EXPECT_EQ(world->world().origin_x, host.settings().layer_origin_x);
        EXPECT_EQ(world->world().origin_y, host.settings().layer_origin_y);
        EXPECT_EQ(world->pixel_bytes(), fresh_bytes(flat_picture(3, 2, 0.25f)));
        seen.push_back(world);
    }

    // A new clip for the layer: its own world, and the old clip's worlds go with it.
    seen.clear();
    first.reset();
    second.reset();
    const std::size_t before = live_host_worlds();
    host.clips().set(0, Clip{{flat_picture(3, 2, 1.0f)}});
    const std::shared_ptr<HostWorld> replaced = host.layer_world(0, 0);
    EXPECT_EQ(replaced->pixel_bytes(), fresh_bytes(flat_picture(3, 2, 1.0f)));
    EXPECT_EQ(host.kept_layer_worlds(), 1u);
    EXPECT_EQ(live_host_worlds(), before - 6 + 1) << "the replaced clip's worlds are still alive";
}

TEST(SimHostLayerWorlds, OnlyAFewWorldsAreKept) {
    SimHost host;
    host.settings().time_step = 1;
    Clip clip;
    for (int frame = 0; frame < 40; ++frame) clip.frames.push_back(flat_picture(2, 2, frame / 40.0f));
    host.clips().set(0, std::move(clip));
    for (A_long time = 0; time < 40; ++time) ASSERT_NE(host.layer_world(0, time), nullptr);
    EXPECT_EQ(host.kept_layer_worlds(), LayerWorldCache::kKeptWorlds);
    EXPECT_EQ(live_host_worlds(), LayerWorldCache::kKeptWorlds);
}

}  // namespace
}  // namespace fx

namespace fx {
namespace {

// Every step boundary of the integer formats, and values no picture should hold.
TEST(SimHostWorldFill, IntegerChannelsRoundToTheNearestStepHalvesUp) {
    std::vector<float> values = {-1.0f,
                                 -0.0f,
                                 0.0f,
                                 1e-40f,
                                 1.0f,
                                 1.5f,
                                 1e30f,
                                 std::nanf(""),
                                 -std::nanf(""),
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity()};
    for (const float steps : {255.0f, 32768.0f}) {
        for (int k = 0; k <= 255; ++k) {
            const float half = (static_cast<float>(k) + 0.5f) / steps;
            values.insert(values.end(), {std::nextafter(half, 0.0f), half, std::nextafter(half, 1.0f)});
        }
    }
    Picture picture(static_cast<int>(values.size()), 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        for (int c = 0; c < 4; ++c) picture.rgba[4 * i + c] = values[i];
    for (const PF_PixelFormat format : {PF_PixelFormat_ARGB32, PF_PixelFormat_BGRA32, PF_PixelFormat_ARGB64}) {
        SCOPED_TRACE(format);
        HostWorld world(format, picture.width, 1);
        world.fill(picture);
        const std::vector<std::uint8_t> bytes = world.pixel_bytes();
        const bool deep = format == PF_PixelFormat_ARGB64;
        for (std::size_t i = 0; i < values.size(); ++i) {
            // The reference: clamp, scale, round halves away from zero (not-a-number gives 0).
            const float clamped = std::isnan(values[i]) ? 0.0f : std::clamp(values[i], 0.0f, 1.0f);
            const long expected = std::lround(clamped * (deep ? 32768.0f : 255.0f));
            long got = 0;
            if (deep) {
                std::uint16_t v = 0;
                std::memcpy(&v, &bytes[8 * i], 2);
                got = v;
            } else {
                got = bytes[4 * i];
            }
            ASSERT_EQ(got, expected) << "value " << values[i] << " (" << i << ")";
        }
    }
}

}  // namespace
}  // namespace fx
