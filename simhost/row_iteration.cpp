#include "simhost/row_iteration.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace fx {

int run_rows(int rows, int threads, const std::function<int(int, int)>& fn) {
    if (rows <= 0) return 0;
    threads = std::clamp(threads, 1, rows);
    std::atomic<int> next_row{0};
    std::atomic<int> first_error{0};
    std::mutex failure_mutex;
    std::exception_ptr failure;

    auto work = [&](int thread_index) {
        try {
            while (first_error.load() == 0) {
                const int row = next_row.fetch_add(1);
                if (row >= rows) return;
                const int result = fn(thread_index, row);
                if (result != 0) {
                    int expected = 0;
                    first_error.compare_exchange_strong(expected, result);
                    return;
                }
            }
        } catch (...) {
            std::lock_guard lock(failure_mutex);
            if (!failure) failure = std::current_exception();
            int expected = 0;
            // Stops the other threads; the exception, not this code, reaches the caller.
            first_error.compare_exchange_strong(expected, -1);
        }
    };

    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(threads - 1));
    for (int t = 1; t < threads; ++t) helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
    return first_error.load();
}

}  // namespace fx
