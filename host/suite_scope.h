#pragma once
// Suites acquired for the span of one operation, with a message for the user when the
// host cannot supply them.

#include <cstdint>

#include "AE_Effect.h"

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

// The basic suite of a command's in_data; null when there is no in_data.
const SPBasicSuite* basic_suite_of(const PF_InData* in_data) noexcept;

}  // namespace fx
