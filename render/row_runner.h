#pragma once
// Runs a row converter over the rows of a picture: through the host's iterate_generic,
// which may spread the rows over its threads, or row after row on this thread when the
// host offers no such function.

#include "AE_Effect.h"
#include "AE_EffectCBSuites.h"
#include "render/pixel_converters.h"

namespace fx {

class SuiteCache;

class RowRunner {
public:
    // Takes iterate_generic of "PF Iterate8 Suite" 1 from the cache. A host that refuses
    // the suite still gets its frame, converted on this thread.
    explicit RowRunner(SuiteCache* suites) noexcept;

    bool uses_host_threads() const noexcept { return iterate_ != nullptr; }
    // A null converter (a format without conversion) converts nothing and succeeds.
    PF_Err run(A_long rows, PixelConversion& job, PixelRowConverter converter) const;

private:
    PF_Err (*iterate_)(A_long, void*, PF_IterateGenericFunc) = nullptr;
};

}  // namespace fx
