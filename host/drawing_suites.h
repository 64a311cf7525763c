#pragma once
// The four suites a custom control draws with, acquired and released as one set.

#include "AE_Effect.h"
#include "DrawbotSuite.h"

namespace fx {

struct DrawingSuites {
    const DRAWBOT_DrawbotSuite1* draw = nullptr;       // "DRAWBOT Draw Suite" 1
    const DRAWBOT_SupplierSuite1* supplier = nullptr;  // "DRAWBOT Supplier Suite" 1
    const DRAWBOT_SurfaceSuite2* surface = nullptr;    // "DRAWBOT Surface Suite" 2
    const DRAWBOT_PathSuite1* path = nullptr;          // "DRAWBOT Path Suite" 1
};

// Acquires the four in order. A null record reports and returns 514; the first suite
// the host refuses reports and returns 516, leaving the earlier ones acquired (and set
// in the record, so that release_drawing_suites gives them back).
PF_Err acquire_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites);

// Releases, in the same order, the suites the record holds and clears them. A suite
// that was never acquired is not released: the host counts acquisitions and releases.
// Reports each one that cannot be released for want of a basic suite. Returns 0.
PF_Err release_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites);

}  // namespace fx
