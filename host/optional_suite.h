#pragma once
// A suite acquired directly, which the caller can do without: granted or not, and given
// back when this object ends (or earlier through release()). A refusal is no error.

#include <cstdint>

#include "SPBasic.h"
#include "host/suite_acquisition.h"

namespace fx {

class OptionalSuite {
public:
    OptionalSuite(const SPBasicSuite* basic, const char* name, std::int32_t version) noexcept;
    ~OptionalSuite() { release(); }
    OptionalSuite(const OptionalSuite&) = delete;
    OptionalSuite& operator=(const OptionalSuite&) = delete;

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
    SuiteName suite_;
    const void* table_ = nullptr;
    SPErr error_ = kSPNoError;
};

}  // namespace fx
