#pragma once
// iterate_generic, offered in in_data->utils and in the iterate suites: one callback per
// index, spread over the host's threads (thread index 0 is the calling thread).
#include <string>

#include "AE_Effect.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {

using IterateGenericCallback = PF_Err (*)(void* refcon, A_long thread_index, A_long i, A_long iterations);

template <FixedName Source>
struct IterateCalls {
    static PF_Err iterate_generic(A_long iterations, void* refcon, IterateGenericCallback fn) {
        SimHost& host = SimHost::active();
        int result = host.fault_for(Source.view(), "iterate_generic");
        if (result == 0 && (fn == nullptr || iterations < 0)) result = PF_Err_BAD_CALLBACK_PARAM;
        if (result == 0) {
            result = host.iterate_rows(
                iterations, [&](int thread_index, int i) { return fn(refcon, thread_index, i, iterations); });
        }
        host.record(Source.view(), "iterate_generic", arguments_text(iterations, refcon), result);
        return result;
    }
};

}  // namespace fx
