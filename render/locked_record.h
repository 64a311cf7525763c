#pragma once
// A record in a host handle, locked through the host's in_data callbacks for the life of
// this object. get() is null when there is no handle or the host will not lock it.

#include "AE_Effect.h"
#include "AE_EffectCB.h"

namespace fx {

template <class Record>
class LockedRecord {
public:
    LockedRecord(const PF_InData* in_data, PF_Handle handle) noexcept
        : utils_(in_data != nullptr ? in_data->utils : nullptr), handle_(handle) {
        if (utils_ == nullptr || handle_ == nullptr || utils_->host_lock_handle == nullptr) return;
        record_ = static_cast<Record*>(utils_->host_lock_handle(handle_));
    }
    ~LockedRecord() {
        if (record_ != nullptr && utils_->host_unlock_handle != nullptr) utils_->host_unlock_handle(handle_);
    }
    LockedRecord(const LockedRecord&) = delete;
    LockedRecord& operator=(const LockedRecord&) = delete;

    Record* get() const noexcept { return record_; }

private:
    const PF_UtilCallbacks* utils_;
    PF_Handle handle_;
    Record* record_ = nullptr;
};

}  // namespace fx
