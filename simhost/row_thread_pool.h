#pragma once
// The host's render threads for iterate_generic: started once and kept, as the host keeps
// its own, and shared by every caller. Several frames rendering at once each put their
// rows in; idle threads help the oldest call that still has rows to hand out.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace fx {

class RowThreadPool {
public:
    // `threads` counts the calling thread: threads - 1 helpers are started.
    explicit RowThreadPool(int threads);
    ~RowThreadPool();
    RowThreadPool(const RowThreadPool&) = delete;
    RowThreadPool& operator=(const RowThreadPool&) = delete;

    int threads() const { return static_cast<int>(helpers_.size()) + 1; }

    // Calls fn(thread_index, row) once for every row in [0, rows): the calling thread is
    // thread 0, each helper has its own index 1 .. threads-1. Returns the first non-zero
    // result (no rows are started after it); an exception thrown by fn is rethrown here
    // once every thread has let go of the call.
    int run(int rows, const std::function<int(int thread_index, int row)>& fn);

private:
    struct Call;
    void help(int thread_index);
    static void work_on(Call& call, int thread_index);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable released_;
    std::deque<Call*> calls_;
    bool stopping_ = false;
    std::vector<std::thread> helpers_;
};

}  // namespace fx
