#include "render/row_runner.h"

#include "AE_EffectCBSuites.h"
#include "host/suite_cache.h"

namespace fx {

RowRunner::RowRunner(SuiteCache* suites) noexcept {
    if (suites == nullptr) return;
    try {
        iterate_ = suites->iterate8_suite()->iterate_generic;
    } catch (...) {
        iterate_ = nullptr;
    }
}

PF_Err RowRunner::run(A_long rows, PixelConversion& job, PixelRowConverter converter) const {
    if (converter == nullptr || rows <= 0) return PF_Err_NONE;
    if (iterate_ != nullptr) return iterate_(rows, &job, converter);
    return iterate_rows_in_order(rows, &job, converter);
}

}  // namespace fx
