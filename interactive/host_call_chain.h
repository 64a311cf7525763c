#pragma once
// The host calls of one user-interface command are chained: after the first one that
// fails, the later ones would work on results that do not exist, so they are skipped and
// the command returns that failure. A parameter UI update is the exception: it is always
// made, and a failing one becomes the command's current result. A later update that
// succeeds does not clear an earlier failure: the command would report success for work
// it skipped.
#include "AE_Effect.h"
#include "host/host_error.h"

namespace fx {

class HostCallChain {
public:
    bool open() const noexcept { return result_ == PF_Err_NONE; }  // no call has failed
    PF_Err result() const noexcept { return result_; }

    // Makes the call while no earlier call failed. A suite the host cannot supply counts as
    // a failed call with the code it was refused with. Returns whether the chain is still open.
    template <class Call>
    bool call(Call&& host_call) {
        if (!open()) return false;
        result_ = guarded(host_call);
        return open();
    }

    // Made whatever happened before; a failure replaces the current result.
    template <class Call>
    void always(Call&& host_call) {
        if (const PF_Err err = guarded(host_call); err != PF_Err_NONE) result_ = err;
    }

    // Made whatever happened before without touching the current result: giving back
    // references the host handed out must not be skipped, or they would leak.
    template <class Call>
    void release(Call&& host_call) {
        (void)guarded(host_call);
    }

private:
    template <class Call>
    static PF_Err guarded(Call& host_call) {
        try {
            return static_cast<PF_Err>(host_call());
        } catch (const HostError& error) {
            return static_cast<PF_Err>(error.code());
        }
    }

    PF_Err result_ = PF_Err_NONE;
};

}  // namespace fx
