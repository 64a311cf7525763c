#pragma once
// Suites acquired for the span of one operation, with a message for the user when the
// host cannot supply them: scoped suites, the drawing set, and directly acquired suites.

#include <cstdint>

#include "AE_Effect.h"
#include "DrawbotSuite.h"
#include "SPBasic.h"

namespace fx {

inline constexpr char kAcquireFailureMessage[] = "Not able to acquire AEFX Suite.";
inline constexpr char kReleaseFailureMessage[] = "Not able to release AEFX Suite.";

// Acquires `name` `version` into *suite. Returns 0, or 516 after reporting `message`
// (kAcquireFailureMessage when null) in the host's message area. A suite the host
// returns together with an error code counts as not acquired.
PF_Err acquire_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message, const void** suite);

// Gives the suite back. Returns 0, or 516 after reporting `message`
// (kReleaseFailureMessage when null) when there is no basic suite to give it to.
PF_Err release_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message);

// The four suites a custom control draws with.
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

// A suite acquired directly: granted or not, and given back when this object ends
// (or earlier through release()). A refusal is no error; the caller does without.
class AcquiredSuite {
public:
    AcquiredSuite(const SPBasicSuite* basic, const char* name, std::int32_t version) noexcept;
    ~AcquiredSuite() { release(); }
    AcquiredSuite(const AcquiredSuite&) = delete;
    AcquiredSuite& operator=(const AcquiredSuite&) = delete;

    bool granted() const noexcept { return table_ != nullptr; }
    // The host's error code for a refused suite (0 when granted or refused with a null table).
    SPErr error() const noexcept { return error_; }
    template <class Suite>
    const Suite* get() const noexcept {
        return static_cast<const Suite*>(table_);
    }

    // Gives the suite back now; does nothing when it was not granted or is already back.
    void release() noexcept;
    // Keeps the suite acquired after this object ends (a suite kept for the plug-in's
    // life); the caller releases it with the same name and version.
    const void* keep() noexcept;

private:
    const SPBasicSuite* basic_;
    const char* name_;
    std::int32_t version_;
    const void* table_ = nullptr;
    SPErr error_ = 0;
};

}  // namespace fx
