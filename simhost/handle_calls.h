#pragma once
// The host's handle functions, offered twice with the same behaviour: in in_data->utils and
// as "PF Handle Suite". Both share the host's one handle store; Source labels the log.
#include <cstdint>
#include <optional>
#include <string>

#include "AE_Effect.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {

template <FixedName Source>
struct HandleCalls {
    static PF_Handle new_handle(A_u_longlong size) {
        SimHost& host = SimHost::active();
        const int fault = host.fault_for(Source.view(), "host_new_handle");
        PF_Handle handle = fault ? nullptr : host.handles().create(size);
        host.record(Source.view(), "host_new_handle", std::to_string(size) + " -> " + pointer_text(handle),
                    fault    ? fault
                    : handle ? 0
                             : PF_Err_OUT_OF_MEMORY);
        return handle;
    }

    static void* lock_handle(PF_Handle handle) {
        SimHost& host = SimHost::active();
        const int fault = host.fault_for(Source.view(), "host_lock_handle");
        void* data = fault ? nullptr : host.handles().lock(handle);
        host.record(Source.view(), "host_lock_handle", pointer_text(handle), fault);
        return data;
    }

    static void unlock_handle(PF_Handle handle) {
        SimHost& host = SimHost::active();
        const int fault = host.fault_for(Source.view(), "host_unlock_handle");
        if (!fault) host.handles().unlock(handle);
        host.record(Source.view(), "host_unlock_handle", pointer_text(handle), fault);
    }

    static void dispose_handle(PF_Handle handle) {
        SimHost& host = SimHost::active();
        const int fault = host.fault_for(Source.view(), "host_dispose_handle");
        if (!fault) host.handles().dispose(handle);
        host.record(Source.view(), "host_dispose_handle", pointer_text(handle), fault);
    }

    static A_u_longlong get_handle_size(PF_Handle handle) {
        SimHost& host = SimHost::active();
        const int fault = host.fault_for(Source.view(), "host_get_handle_size");
        const std::optional<std::uint64_t> known = fault ? std::nullopt : host.handles().size(handle);
        // Asking the size of a disposed or foreign handle is as much a plug-in fault as locking it.
        if (!fault && !known) {
            host.note_misuse("host_get_handle_size: " + pointer_text(handle) + " is not a live handle");
        }
        const A_u_longlong size = known.value_or(0);
        host.record(Source.view(), "host_get_handle_size", pointer_text(handle) + " -> " + std::to_string(size), fault);
        return size;
    }

    static PF_Err resize_handle(A_u_longlong new_size, PF_Handle* handle_ptr) {
        SimHost& host = SimHost::active();
        int result = host.fault_for(Source.view(), "host_resize_handle");
        PF_Handle handle = handle_ptr ? *handle_ptr : nullptr;
        if (result == 0) {
            if (handle_ptr == nullptr) {
                result = PF_Err_BAD_CALLBACK_PARAM;
            } else if (!host.handles().resize(handle, new_size)) {
                result = host.handles().holds(handle) ? PF_Err_OUT_OF_MEMORY : PF_Err_BAD_CALLBACK_PARAM;
            }
        }
        host.record(Source.view(), "host_resize_handle", std::to_string(new_size) + ", " + pointer_text(handle),
                    result);
        return result;
    }
};

}  // namespace fx
