#include "simhost/row_iteration.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fx {
namespace {

TEST(RunRows, EveryRowOnceAndThreadZeroIsTheCaller) {
    struct Row {
        const char* name;
        int rows;
        int threads;
    };
    const Row table[] = {
        {"one thread", 37, 1}, {"four threads", 500, 4}, {"more threads than rows", 3, 8}, {"single row", 1, 4}};
    for (const Row& row : table) {
        std::vector<std::atomic<int>> visits(static_cast<std::size_t>(row.rows));
        std::mutex mutex;
        std::set<int> thread_indices;
        std::set<std::thread::id> zero_ids;
        const auto caller = std::this_thread::get_id();
        const int result = run_rows(row.rows, row.threads, [&](int thread_index, int r) {
            visits[static_cast<std::size_t>(r)]++;
            std::lock_guard lock(mutex);
            thread_indices.insert(thread_index);
            if (thread_index == 0) zero_ids.insert(std::this_thread::get_id());
            return 0;
        });
        EXPECT_EQ(result, 0) << row.name;
        for (int r = 0; r < row.rows; ++r) EXPECT_EQ(visits[r].load(), 1) << row.name << " row " << r;
        EXPECT_LT(*thread_indices.rbegin(), std::max(1, std::min(row.threads, row.rows))) << row.name;
        for (const auto& id : zero_ids) EXPECT_EQ(id, caller) << row.name;
    }
}

TEST(RunRows, SeveralThreadsReallyRunAtOnce) {
    // Each row waits until two rows are in flight together; on one thread it would wait
    // forever, so the bounded wait shows the overlap.
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};
    run_rows(8, 4, [&](int, int) {
        inside++;
        for (int spin = 0; spin < 2000000 && !overlapped; ++spin) {
            if (inside.load() >= 2) overlapped = true;
            std::this_thread::yield();
        }
        inside--;
        return 0;
    });
    EXPECT_TRUE(overlapped.load());
}

TEST(RunRows, FirstErrorStopsFurtherRows) {
    std::atomic<int> calls{0};
    const int result = run_rows(1000, 1, [&](int, int r) {
        calls++;
        return r == 10 ? 517 : 0;
    });
    EXPECT_EQ(result, 517);
    EXPECT_EQ(calls.load(), 11);
    const int threaded = run_rows(1000, 4, [&](int, int r) { return r >= 100 ? 7 : 0; });
    EXPECT_EQ(threaded, 7);
}

TEST(RunRows, NoRowsAndExceptions) {
    int calls = 0;
    EXPECT_EQ(run_rows(0, 4, [&](int, int) { return ++calls; }), 0);
    EXPECT_EQ(run_rows(-5, 4, [&](int, int) { return ++calls; }), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_THROW(run_rows(50, 3,
                          [](int, int r) -> int {
                              if (r == 20) throw std::runtime_error("row 20");
                              return 0;
                          }),
                 std::runtime_error);
}

}  // namespace
}  // namespace fx
