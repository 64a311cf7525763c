#include "simhost/call_log.h"
#include "simhost/fault_injector.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace fx {
namespace {

TEST(FaultInjector, FailsOnlyTheNamedCallNumber) {
    FaultInjector faults;
    faults.fail_nth("host_new_handle", 3, 4);
    std::vector<int> answers;
    for (int i = 0; i < 5; ++i) answers.push_back(faults.on_call("host_new_handle"));
    EXPECT_EQ(answers, (std::vector<int>{0, 0, 4, 0, 0}));
    EXPECT_EQ(faults.on_call("host_lock_handle"), 0) << "other names are not affected";
    EXPECT_EQ(faults.calls_seen("host_new_handle"), 5);
}

TEST(FaultInjector, AlwaysUntilClearedAndNumberingSurvivesLateRules) {
    FaultInjector faults;
    faults.on_call("abort");
    faults.fail_always("abort", 517);
    EXPECT_EQ(faults.on_call("abort"), 517);
    EXPECT_EQ(faults.on_call("abort"), 517);
    faults.clear("abort");
    EXPECT_EQ(faults.on_call("abort"), 0);
    faults.fail_nth("abort", 5, 9);  // call 5 counted from the first call, not from the rule
    EXPECT_EQ(faults.on_call("abort"), 9);
    faults.reset();
    EXPECT_EQ(faults.calls_seen("abort"), 0);
    EXPECT_THROW(faults.fail_nth("abort", 0, 1), std::invalid_argument);
}

TEST(CallLog, KeepsOrderAndCountsFromManyThreads) {
    CallLog log;
    log.record("basic", "AcquireSuite", "\"PF Handle Suite\", 2", 0);
    log.record("PF Handle Suite 2", "host_new_handle", "64", 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log] {
            for (int i = 0; i < 250; ++i) log.record("utils", "iterate_row", std::to_string(i), 0);
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(log.size(), 1002u);
    EXPECT_EQ(log.count("iterate_row"), 1000u);
    const auto names = log.names();
    EXPECT_EQ(names[0], "AcquireSuite");
    EXPECT_EQ(names[1], "host_new_handle");
    const auto news = log.calls_named("host_new_handle");
    ASSERT_EQ(news.size(), 1u);
    EXPECT_EQ(news[0].args, "64");
    EXPECT_EQ(news[0].source, "PF Handle Suite 2");
    log.clear();
    EXPECT_EQ(log.size(), 0u);
}

}  // namespace
}  // namespace fx
