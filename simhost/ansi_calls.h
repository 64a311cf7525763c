#pragma once
// The host's C-library table, offered in in_data->utils->ansi and as "PF ANSI Suite". The
// text functions write through the host's TextDestinations, so the host's own buffers
// (out_data->return_msg) are never overrun.
#include <cmath>
#include <cstdarg>
#include <string>

#include "AE_Effect.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {

template <FixedName Source>
struct AnsiCalls {
    static int sprintf(A_char* destination, const A_char* format, ...) {
        SimHost& host = SimHost::active();
        int fault = host.fault_for(Source.view(), "sprintf");
        if (!fault && (destination == nullptr || format == nullptr)) fault = PF_Err_BAD_CALLBACK_PARAM;
        if (fault) {
            host.record(Source.view(), "sprintf", pointer_text(destination) + ", " + quoted_text(format), fault);
            return -1;
        }
        va_list args;
        va_start(args, format);
        const std::string text = format_text(format, args);
        va_end(args);
        const StoredText stored = host.texts().store(destination, text);
        host.record(Source.view(), "sprintf", describe(destination, text, stored), 0);
        return static_cast<int>(stored.stored);
    }

    static A_char* strcpy(A_char* destination, const A_char* source) {
        SimHost& host = SimHost::active();
        int fault = host.fault_for(Source.view(), "strcpy");
        if (!fault && (destination == nullptr || source == nullptr)) fault = PF_Err_BAD_CALLBACK_PARAM;
        if (fault) {
            host.record(Source.view(), "strcpy", pointer_text(destination) + ", " + quoted_text(source), fault);
            return nullptr;
        }
        const std::string text = source;
        const StoredText stored = host.texts().store(destination, text);
        host.record(Source.view(), "strcpy", describe(destination, text, stored), 0);
        return destination;
    }

    // The math functions are pure and are not recorded: nothing about them is for a test to
    // see, and per-pixel use would flood the log.
    static A_FpLong atan(A_FpLong x) { return std::atan(x); }
    static A_FpLong atan2(A_FpLong y, A_FpLong x) { return std::atan2(y, x); }
    static A_FpLong ceil(A_FpLong x) { return std::ceil(x); }
    static A_FpLong cos(A_FpLong x) { return std::cos(x); }
    static A_FpLong exp(A_FpLong x) { return std::exp(x); }
    static A_FpLong fabs(A_FpLong x) { return std::fabs(x); }
    static A_FpLong floor(A_FpLong x) { return std::floor(x); }
    static A_FpLong fmod(A_FpLong x, A_FpLong y) { return std::fmod(x, y); }
    static A_FpLong hypot(A_FpLong x, A_FpLong y) { return std::hypot(x, y); }
    static A_FpLong log(A_FpLong x) { return std::log(x); }
    static A_FpLong log10(A_FpLong x) { return std::log10(x); }
    static A_FpLong pow(A_FpLong x, A_FpLong y) { return std::pow(x, y); }
    static A_FpLong sin(A_FpLong x) { return std::sin(x); }
    static A_FpLong sqrt(A_FpLong x) { return std::sqrt(x); }
    static A_FpLong tan(A_FpLong x) { return std::tan(x); }
    static A_FpLong asin(A_FpLong x) { return std::asin(x); }
    static A_FpLong acos(A_FpLong x) { return std::acos(x); }

    template <typename Table>
    static void fill(Table& t) {
        t.atan = atan, t.atan2 = atan2, t.ceil = ceil, t.cos = cos, t.exp = exp, t.fabs = fabs;
        t.floor = floor, t.fmod = fmod, t.hypot = hypot, t.log = log, t.log10 = log10, t.pow = pow;
        t.sin = sin, t.sqrt = sqrt, t.tan = tan, t.sprintf = sprintf, t.strcpy = strcpy;
        t.asin = asin, t.acos = acos;
    }

private:
    static std::string describe(const A_char* destination, const std::string& text, const StoredText& stored) {
        std::string args = pointer_text(destination) + ", " + quoted_text(text.c_str());
        if (stored.truncated) args += " (cut to " + std::to_string(stored.stored) + " characters)";
        return args;
    }
};

}  // namespace fx
