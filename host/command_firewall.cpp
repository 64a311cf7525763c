#include "host/command_firewall.h"

#include "host/host_error.h"

namespace fx {

std::int32_t code_of_current_exception() noexcept {
    // An integer thrown anywhere inside is a host error code, whatever its exact type;
    // the host only understands 32-bit codes.
    try {
        throw;
    } catch (const HostError& e) {
        return e.code();
    } catch (int code) {
        return code;
    } catch (long code) {
        return static_cast<std::int32_t>(code);
    } catch (long long code) {
        return static_cast<std::int32_t>(code);
    } catch (unsigned code) {
        return static_cast<std::int32_t>(code);
    } catch (unsigned long code) {
        return static_cast<std::int32_t>(code);
    } catch (unsigned long long code) {
        return static_cast<std::int32_t>(code);
    } catch (short code) {
        return code;
    } catch (unsigned short code) {
        return code;
    } catch (...) {
        return kInternalFailureCode;
    }
}

}  // namespace fx
