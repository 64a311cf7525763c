#pragma once
// Turns whatever leaves a command handler into the host error code the command returns.
// Integer exceptions (and HostError) carry the code itself; any other exception means
// the plug-in's internal state can no longer be trusted.

#include <cstdint>

namespace fx {

inline constexpr std::int32_t kInternalFailureCode = 512;  // PF_Err_INTERNAL_STRUCT_DAMAGED

// The code for the exception being handled; call only inside a catch block.
std::int32_t code_of_current_exception() noexcept;

// Runs body() and returns its result, or the code of the exception that left it.
template <class Body>
std::int32_t run_guarded(Body&& body) noexcept {
    try {
        return static_cast<std::int32_t>(body());
    } catch (...) {
        return code_of_current_exception();
    }
}

}  // namespace fx
