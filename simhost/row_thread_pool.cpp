#include "simhost/row_thread_pool.h"

#include <algorithm>
#include <atomic>
#include <exception>

namespace fx {

struct RowThreadPool::Call {
    int rows = 0;
    const std::function<int(int, int)>* fn = nullptr;
    std::atomic<int> next_row{0};
    std::atomic<int> first_error{0};
    int helping = 0;  // helpers working on this call; guarded by the pool's mutex
    std::mutex failure_mutex;
    std::exception_ptr failure;

    bool exhausted() const { return first_error.load() != 0 || next_row.load() >= rows; }
};

RowThreadPool::RowThreadPool(int threads) {
    for (int index = 1; index < std::max(threads, 1); ++index) helpers_.emplace_back([this, index] { help(index); });
}

RowThreadPool::~RowThreadPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
}

void RowThreadPool::work_on(Call& call, int thread_index) {
    try {
        while (call.first_error.load() == 0) {
            const int row = call.next_row.fetch_add(1);
            if (row >= call.rows) return;
            const int result = (*call.fn)(thread_index, row);
            if (result != 0) {
                int expected = 0;
                call.first_error.compare_exchange_strong(expected, result);
                return;
            }
        }
    } catch (...) {
        std::lock_guard lock(call.failure_mutex);
        if (!call.failure) call.failure = std::current_exception();
        int expected = 0;
        // Stops the other threads; the exception, not this code, reaches the caller.
        call.first_error.compare_exchange_strong(expected, -1);
    }
}

void RowThreadPool::help(int thread_index) {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !calls_.empty(); });
        if (stopping_) return;
        Call* call = calls_.front();
        if (call->exhausted()) {
            // Nothing left to hand out: the caller finishes its own rows.
            calls_.pop_front();
            continue;
        }
        ++call->helping;
        lock.unlock();
        work_on(*call, thread_index);
        lock.lock();
        --call->helping;
        released_.notify_all();
    }
}

int RowThreadPool::run(int rows, const std::function<int(int, int)>& fn) {
    if (rows <= 0) return 0;
    Call call;
    call.rows = rows;
    call.fn = &fn;
    if (!helpers_.empty() && rows > 1) {
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(&call);
        }
        wake_.notify_all();
    }
    work_on(call, 0);
    {
        std::unique_lock lock(mutex_);
        const auto queued = std::find(calls_.begin(), calls_.end(), &call);
        if (queued != calls_.end()) calls_.erase(queued);
        released_.wait(lock, [&call] { return call.helping == 0; });
    }
    if (call.failure) std::rethrow_exception(call.failure);
    return call.first_error.load();
}

}  // namespace fx
