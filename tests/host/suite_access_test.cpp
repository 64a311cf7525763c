// The three ways the plug-in acquires host suites, against the simulated host's basic
// suite: what it acquired and released, by name and version, and what it told the user.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "host/drawing_suites.h"
#include "host/host_error.h"
#include "host/optional_suite.h"
#include "host/suite_cache.h"
#include "host/suite_scope.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

int code_thrown_by(const std::function<void()>& action) {
    try {
        action();
    } catch (const HostError& e) {
        return e.code();
    } catch (int code) {
        return code;
    }
    return 0;
}

std::string message_of(const PF_OutData& out) { return std::string(out.return_msg); }

class SuiteAccess : public ::testing::Test {
protected:
    void SetUp() override { host_.texts().add(out_.return_msg, sizeof out_.return_msg); }
    void TearDown() override {
        host_.texts().remove(out_.return_msg);
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    SuiteCounts counts(const char* name, int version) { return host_.suites().counts(name, version); }
    std::size_t log_count(const char* function) { return host_.log().count(function); }

    SimHost host_;
    PF_InData in_ = host_.make_in_data(nullptr, nullptr);
    PF_OutData out_ = SimHost::make_out_data(nullptr, nullptr);
};

// ---------------------------------------------------------------- suite cache

struct CachedRow {
    const char* label;
    std::function<const void*(SuiteCache&)> ask;
    const char* name;
    int version;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const CachedRow& row, std::ostream* os) { *os << row.label; }

class SuiteCacheAccessor : public SuiteAccess, public ::testing::WithParamInterface<CachedRow> {};

TEST_P(SuiteCacheAccessor, AcquiresItsSuiteOnceAndReleasesItAtTheEnd) {
    const CachedRow& row = GetParam();
    {
        SuiteCache cache(host_.basic_suite());
        const void* first = row.ask(cache);
        const void* second = row.ask(cache);
        EXPECT_NE(first, nullptr);
        EXPECT_EQ(first, second);
        EXPECT_EQ(counts(row.name, row.version).acquired, 1);
        EXPECT_EQ(counts(row.name, row.version).released, 0);
    }
    EXPECT_EQ(counts(row.name, row.version).released, 1);
    EXPECT_EQ(log_count("AcquireSuite"), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Suites, SuiteCacheAccessor,
    ::testing::Values(
        CachedRow{"handle", [](SuiteCache& c) -> const void* { return c.handle_suite(); }, "PF Handle Suite", 2},
        CachedRow{"utility7", [](SuiteCache& c) -> const void* { return c.utility_suite7(); }, "AEGP Utility Suite", 7},
        CachedRow{"utility11", [](SuiteCache& c) -> const void* { return c.utility_suite11(); }, "AEGP Utility Suite",
                  11},
        CachedRow{"ansi", [](SuiteCache& c) -> const void* { return c.ansi_suite(); }, "PF ANSI Suite", 1},
        CachedRow{"iterate8", [](SuiteCache& c) -> const void* { return c.iterate8_suite(); }, "PF Iterate8 Suite", 1},
        CachedRow{"param_utils", [](SuiteCache& c) -> const void* { return c.param_utils_suite(); },
                  "PF Param Utils Suite", 3},
        CachedRow{"stream", [](SuiteCache& c) -> const void* { return c.stream_suite(); }, "AEGP Stream Suite", 7},
        CachedRow{"dynamic_stream", [](SuiteCache& c) -> const void* { return c.dynamic_stream_suite(); },
                  "AEGP Dynamic Stream Suite", 2},
        CachedRow{"effect", [](SuiteCache& c) -> const void* { return c.effect_suite(); }, "AEGP Effect Suite", 2},
        CachedRow{"pf_interface", [](SuiteCache& c) -> const void* { return c.pf_interface_suite(); },
                  "AEGP PF Interface Suite", 1},
        CachedRow{"memory", [](SuiteCache& c) -> const void* { return c.memory_suite(); }, "AEGP Memory Suite", 1},
        CachedRow{"adv_app", [](SuiteCache& c) -> const void* { return c.adv_app_suite(); }, "PF AE Adv App Suite", 1}),
    [](const ::testing::TestParamInfo<CachedRow>& info) { return std::string(info.param.label); });

TEST_F(SuiteAccess, CacheNeverAskedReleasesNothing) {
    { SuiteCache cache(host_.basic_suite()); }
    EXPECT_EQ(log_count("AcquireSuite"), 0u);
    EXPECT_EQ(log_count("ReleaseSuite"), 0u);
}

TEST_F(SuiteAccess, CacheWithoutBasicSuiteRaises516) {
    EXPECT_EQ(code_thrown_by([] { SuiteCache cache(nullptr); }), PF_Err_BAD_CALLBACK_PARAM);
}

TEST_F(SuiteAccess, RefusedSuiteRaises516AndIsNeverReleased) {
    host_.suites().refuse("PF ANSI Suite", 1, kSPSuiteNotFoundError);
    {
        SuiteCache cache(host_.basic_suite());
        EXPECT_EQ(code_thrown_by([&] { cache.ansi_suite(); }), PF_Err_BAD_CALLBACK_PARAM);
        // A later request asks the host again rather than remembering the refusal.
        host_.suites().allow("PF ANSI Suite", 1);
        EXPECT_NE(cache.ansi_suite(), nullptr);
    }
    EXPECT_EQ(counts("PF ANSI Suite", 1).refused, 1);
    EXPECT_EQ(counts("PF ANSI Suite", 1).acquired, 1);
    EXPECT_EQ(counts("PF ANSI Suite", 1).released, 1);
}

TEST_F(SuiteAccess, CacheShowsOnlyWhatItAcquired) {
    {
        SuiteCache cache(host_.basic_suite());
        cache.handle_suite();
        cache.memory_suite();
    }
    const auto releases = host_.log().calls_named("ReleaseSuite");
    ASSERT_EQ(releases.size(), 2u);
    EXPECT_NE(releases[0].args.find("PF Handle Suite"), std::string::npos) << releases[0].args;
    EXPECT_NE(releases[1].args.find("AEGP Memory Suite"), std::string::npos) << releases[1].args;
}

TEST_F(SuiteAccess, CacheFilledFromSeveralThreadsHoldsEachSuiteOnce) {
    for (int round = 0; round < 20; ++round) {
        SuiteCache cache(host_.basic_suite());
        std::vector<std::thread> threads;
        std::vector<const void*> seen(4, nullptr);
        for (int t = 0; t < 4; ++t) threads.emplace_back([&, t] { seen[t] = cache.iterate8_suite(); });
        for (std::thread& thread : threads) thread.join();
        for (const void* table : seen) EXPECT_EQ(table, seen[0]);
    }
    const SuiteCounts c = counts("PF Iterate8 Suite", 1);
    EXPECT_EQ(c.acquired, c.released);
}

// ---------------------------------------------------------------- scoped suites

TEST_F(SuiteAccess, ScopedAcquireOfAvailableSuiteSaysNothing) {
    const void* suite = nullptr;
    EXPECT_EQ(acquire_scoped_suite(&in_, &out_, "PF Effect UI Suite", 1, nullptr, &suite), PF_Err_NONE);
    EXPECT_NE(suite, nullptr);
    EXPECT_EQ(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), "");
    EXPECT_EQ(release_scoped_suite(&in_, &out_, "PF Effect UI Suite", 1, nullptr), PF_Err_NONE);
    EXPECT_EQ(counts("PF Effect UI Suite", 1).acquired, 1);
    EXPECT_EQ(counts("PF Effect UI Suite", 1).released, 1);
}

struct ScopedFailureRow {
    const char* label;
    const char* message;
    const char* shown;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const ScopedFailureRow& row, std::ostream* os) { *os << row.label; }

class ScopedAcquireRefused : public SuiteAccess, public ::testing::WithParamInterface<ScopedFailureRow> {};

TEST_P(ScopedAcquireRefused, ReportsThroughTheHostAndReturns516) {
    host_.suites().refuse("PF Effect Custom UI Suite", 1, kSPSuiteNotFoundError);
    const void* suite = &out_;  // must be cleared
    EXPECT_EQ(acquire_scoped_suite(&in_, &out_, "PF Effect Custom UI Suite", 1, GetParam().message, &suite),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(suite, nullptr);
    EXPECT_NE(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), GetParam().shown);
    EXPECT_EQ(log_count("sprintf"), 1u) << "the message goes through the host's formatted print";
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ScopedAcquireRefused,
    ::testing::Values(ScopedFailureRow{"default_message", nullptr, "Not able to acquire AEFX Suite."},
                      ScopedFailureRow{"own_message_kept_literally", "UI suite 100% gone %s", "UI suite 100% gone %s"}),
    [](const ::testing::TestParamInfo<ScopedFailureRow>& info) { return std::string(info.param.label); });

TEST_F(SuiteAccess, ScopedSuitesWithoutBasicSuiteReport516) {
    in_.pica_basicP = nullptr;
    const void* suite = nullptr;
    EXPECT_EQ(acquire_scoped_suite(&in_, &out_, "PF Effect UI Suite", 1, nullptr, &suite), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(message_of(out_), "Not able to acquire AEFX Suite.");
    out_.out_flags = 0;
    EXPECT_EQ(release_scoped_suite(&in_, &out_, "PF Effect UI Suite", 1, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_NE(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), "Not able to release AEFX Suite.");
    EXPECT_EQ(release_scoped_suite(&in_, &out_, "PF Effect UI Suite", 1, "gone"), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(message_of(out_), "gone");
    EXPECT_EQ(log_count("AcquireSuite") + log_count("ReleaseSuite"), 0u);
}

// ---------------------------------------------------------------- drawing set

TEST_F(SuiteAccess, DrawingSetAcquiresAndReleasesAllFourInOrder) {
    DrawingSuites suites;
    EXPECT_EQ(acquire_drawing_suites(&in_, &out_, &suites), PF_Err_NONE);
    EXPECT_NE(suites.draw, nullptr);
    EXPECT_NE(suites.supplier, nullptr);
    EXPECT_NE(suites.surface, nullptr);
    EXPECT_NE(suites.path, nullptr);
    EXPECT_EQ(release_drawing_suites(&in_, &out_, &suites), PF_Err_NONE);
    EXPECT_EQ(suites.draw, nullptr);
    const std::vector<std::string> expected_order = {"DRAWBOT Draw Suite", "DRAWBOT Supplier Suite",
                                                     "DRAWBOT Surface Suite", "DRAWBOT Path Suite"};
    for (const char* function : {"AcquireSuite", "ReleaseSuite"}) {
        const auto calls = host_.log().calls_named(function);
        ASSERT_EQ(calls.size(), 4u) << function;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NE(calls[i].args.find(expected_order[i]), std::string::npos) << function << ": " << calls[i].args;
    }
    EXPECT_EQ(counts("DRAWBOT Surface Suite", 2).acquired, 1);
    EXPECT_EQ(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
}

TEST_F(SuiteAccess, DrawingSetWithoutSurfaceKeepsTheFirstTwoAndReleasesOnlyThem) {
    host_.suites().refuse("DRAWBOT Surface Suite", 2, kSPSuiteNotFoundError);
    DrawingSuites suites;
    EXPECT_EQ(acquire_drawing_suites(&in_, &out_, &suites), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_NE(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), "Not able to acquire AEFX Suite.");
    EXPECT_EQ(counts("DRAWBOT Draw Suite", 1).acquired, 1);
    EXPECT_EQ(counts("DRAWBOT Supplier Suite", 1).acquired, 1);
    EXPECT_EQ(counts("DRAWBOT Path Suite", 1).acquired + counts("DRAWBOT Path Suite", 1).refused, 0)
        << "nothing is asked after the first refusal";
    EXPECT_EQ(suites.surface, nullptr);
    EXPECT_EQ(suites.path, nullptr);
    EXPECT_EQ(host_.suites().outstanding().size(), 2u);

    EXPECT_EQ(release_drawing_suites(&in_, &out_, &suites), PF_Err_NONE);
    EXPECT_EQ(counts("DRAWBOT Draw Suite", 1).released, 1);
    EXPECT_EQ(counts("DRAWBOT Supplier Suite", 1).released, 1);
    EXPECT_EQ(counts("DRAWBOT Surface Suite", 2).released, 0);
    EXPECT_EQ(counts("DRAWBOT Path Suite", 1).released, 0);
}

TEST_F(SuiteAccess, DrawingSetIntoNoRecordReturns514) {
    EXPECT_EQ(acquire_drawing_suites(&in_, &out_, nullptr), PF_Err_UNRECOGNIZED_PARAM_TYPE);
    EXPECT_NE(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
    EXPECT_EQ(log_count("AcquireSuite"), 0u);
}

TEST_F(SuiteAccess, DrawingSetReleaseWithoutBasicSuiteReportsEachHeldSuite) {
    DrawingSuites suites;
    ASSERT_EQ(acquire_drawing_suites(&in_, &out_, &suites), PF_Err_NONE);
    PF_InData without_basic = in_;
    without_basic.pica_basicP = nullptr;
    EXPECT_EQ(release_drawing_suites(&without_basic, &out_, &suites), PF_Err_NONE);
    EXPECT_NE(out_.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(message_of(out_), "Not able to release AEFX Suite.");
    EXPECT_EQ(log_count("sprintf"), 4u);
    // Still held, so they can be given back once the basic suite is there.
    EXPECT_EQ(release_drawing_suites(&in_, &out_, &suites), PF_Err_NONE);
}

// ---------------------------------------------------------------- direct acquisition

TEST_F(SuiteAccess, DirectSuiteIsReleasedWhenItsScopeEnds) {
    {
        OptionalSuite suite(host_.basic_suite(), "PF Transition Suite", 2);
        EXPECT_TRUE(suite.granted());
        EXPECT_NE(suite.get<void>(), nullptr);
        EXPECT_EQ(counts("PF Transition Suite", 2).released, 0);
    }
    EXPECT_EQ(counts("PF Transition Suite", 2).released, 1);
}

TEST_F(SuiteAccess, DirectSuiteReleasedEarlyIsNotReleasedTwice) {
    {
        OptionalSuite suite(host_.basic_suite(), "PF Utility Suite", 4);
        suite.release();
        suite.release();
    }
    EXPECT_EQ(counts("PF Utility Suite", 4).released, 1);
}

TEST_F(SuiteAccess, RefusedDirectSuiteIsNoErrorAndNotReleased) {
    host_.suites().refuse("PF Cache On Load Suite", 1, kSPSuiteNotFoundError);
    {
        OptionalSuite suite(host_.basic_suite(), "PF Cache On Load Suite", 1);
        EXPECT_FALSE(suite.granted());
        EXPECT_EQ(suite.error(), kSPSuiteNotFoundError);
    }
    EXPECT_EQ(log_count("ReleaseSuite"), 0u);
    EXPECT_EQ(out_.out_flags, 0);
}

TEST_F(SuiteAccess, KeptDirectSuiteStaysAcquiredUntilTheOwnerReleasesIt) {
    const void* kept = nullptr;
    {
        OptionalSuite suite(host_.basic_suite(), "PF World Suite", 2);
        kept = suite.keep();
    }
    EXPECT_NE(kept, nullptr);
    EXPECT_EQ(counts("PF World Suite", 2).released, 0);
    host_.basic_suite()->ReleaseSuite("PF World Suite", 2);
}

}  // namespace
}  // namespace fx
