#pragma once
// The one place the plug-in asks the host's basic suite for a suite and gives it back.
// The cache, the scoped and drawing-set forms and direct acquisition are built on it, so
// they agree on what counts as granted.

#include <cstdint>

#include "SPBasic.h"

namespace fx {

struct SuiteName {
    const char* name;
    std::int32_t version;
};

// What the host answered. A suite counts as granted only when the host reports no error
// and hands over a table: a table that comes with an error code is not used.
struct SuiteGrant {
    const void* table = nullptr;
    SPErr error = kSPNoError;  // the host's code; 0 for a null table without error or no basic suite

    bool granted() const noexcept { return table != nullptr; }
};

// Asks `basic` for the suite. Without a basic suite nothing is asked and nothing granted.
SuiteGrant acquire_suite(const SPBasicSuite* basic, SuiteName suite) noexcept;

// Gives a granted suite back. Returns false, releasing nothing, when there is no basic suite.
bool release_suite(const SPBasicSuite* basic, SuiteName suite) noexcept;

}  // namespace fx
