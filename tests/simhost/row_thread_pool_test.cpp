#include "simhost/row_thread_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fx {
namespace {

TEST(RowThreadPool, EveryRowOnceWithThreadZeroTheCallerAndEachHelperItsOwnIndex) {
    RowThreadPool pool(4);
    ASSERT_EQ(pool.threads(), 4);
    for (const int rows : {1, 3, 500}) {
        std::vector<std::atomic<int>> visits(static_cast<std::size_t>(rows));
        std::mutex mutex;
        std::map<int, std::set<std::thread::id>> threads_by_index;
        const int result = pool.run(rows, [&](int thread_index, int row) {
            visits[static_cast<std::size_t>(row)]++;
            std::lock_guard lock(mutex);
            threads_by_index[thread_index].insert(std::this_thread::get_id());
            return 0;
        });
        EXPECT_EQ(result, 0);
        for (int row = 0; row < rows; ++row) EXPECT_EQ(visits[static_cast<std::size_t>(row)].load(), 1) << row;
        for (const auto& [index, ids] : threads_by_index) {
            EXPECT_LT(index, 4);
            EXPECT_EQ(ids.size(), 1u) << "thread index " << index << " ran on one thread only";
            if (index == 0) {
                EXPECT_EQ(*ids.begin(), std::this_thread::get_id());
            }
        }
    }
}

TEST(RowThreadPool, TheHelpersAreKeptFromCallToCall) {
    RowThreadPool pool(3);
    std::mutex mutex;
    std::set<std::thread::id> helpers;
    for (int call = 0; call < 50; ++call) {
        pool.run(64, [&](int thread_index, int) {
            if (thread_index != 0) {
                std::lock_guard lock(mutex);
                helpers.insert(std::this_thread::get_id());
            }
            return 0;
        });
    }
    EXPECT_LE(helpers.size(), 2u) << "no new threads per call";
}

TEST(RowThreadPool, CallsFromSeveralThreadsAtOnceEachSeeAllTheirRows) {
    RowThreadPool pool(4);
    std::vector<std::thread> callers;
    std::atomic<int> wrong{0};
    for (int caller = 0; caller < 4; ++caller) {
        callers.emplace_back([&pool, &wrong, caller] {
            for (int call = 0; call < 25; ++call) {
                std::vector<std::atomic<int>> visits(97);
                const int result = pool.run(97, [&](int, int row) {
                    visits[static_cast<std::size_t>(row)]++;
                    return 0;
                });
                if (result != 0) ++wrong;
                for (auto& v : visits) wrong += v.load() != 1;
                (void)caller;
            }
        });
    }
    for (std::thread& t : callers) t.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST(RowThreadPool, TheFirstErrorAndExceptionsReachTheCaller) {
    RowThreadPool pool(4);
    std::atomic<int> started{0};
    const int result = pool.run(1000, [&](int, int row) {
        ++started;
        return row == 10 ? 517 : 0;
    });
    EXPECT_EQ(result, 517);
    EXPECT_LT(started.load(), 1000) << "no rows are started after the error";
    EXPECT_THROW(pool.run(100,
                          [](int, int row) -> int {
                              if (row == 5) throw std::runtime_error("row 5");
                              return 0;
                          }),
                 std::runtime_error);
    EXPECT_EQ(pool.run(8, [](int, int) { return 0; }), 0) << "the pool still works after a failed call";
}

}  // namespace
}  // namespace fx
