#pragma once
// The host's generic iteration: one callback per row, spread over several threads.
#include <functional>

namespace fx {

// Calls fn(thread_index, row) once for every row in [0, rows). Thread 0 is the calling
// thread; threads 1 .. threads-1 are started for the call and joined before it returns.
// Rows are handed out one at a time in increasing order, so each thread's rows increase.
// The first non-zero result is returned, and no further rows are started after it. An
// exception thrown by fn is rethrown on the calling thread after all threads have stopped.
int run_rows(int rows, int threads, const std::function<int(int thread_index, int row)>& fn);

}  // namespace fx
