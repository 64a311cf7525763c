#pragma once
// Pieces that turn host-function arguments into call-log text, and the generic answer of
// host functions whose behaviour the simulated host does not model (yet): they are
// recorded like every other call and answer an error, so a plug-in that depends on them
// fails visibly instead of reading values nobody wrote.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include "simhost/handle_store.h"

namespace fx {

// A string literal usable as a template argument: the name a stub records itself under.
template <std::size_t N>
struct FixedName {
    char text[N]{};
    constexpr FixedName(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

// "null", or the text in double quotes, cut after 200 characters.
std::string quoted_text(const char* text);

template <typename T>
std::string argument_text(const T& value) {
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, const unsigned char*>) {
        return quoted_text(reinterpret_cast<const char*>(value));
    } else if constexpr (std::is_pointer_v<U>) {
        // Non-const pointers are destinations the plug-in owns; only their address is shown.
        return pointer_text(reinterpret_cast<const void*>(value));
    } else if constexpr (std::is_floating_point_v<U>) {
        char text[40];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
        return text;
    } else if constexpr (std::is_enum_v<U>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (std::is_integral_v<U>) {
        return std::to_string(static_cast<long long>(value));
    } else {
        return "{" + std::to_string(sizeof(U)) + "-byte record}";
    }
}

template <typename... A>
std::string arguments_text(const A&... args) {
    std::string out;
    bool first = true;
    ((out += (first ? "" : ", ") + argument_text(args), first = false), ...);
    return out;
}

// Records the call and returns the code it answers: an injected fault, the suite's failure,
// or the host's answer for functions it does not model.
int answer_unmodelled(std::string_view source, std::string_view name, std::string args);

template <FixedName Source, FixedName Name, typename Fn>
struct UnmodelledCall;

template <FixedName Source, FixedName Name, typename R, typename... A>
struct UnmodelledCall<Source, Name, R (*)(A...)> {
    static R call(A... args) {
        const int code = answer_unmodelled(Source.view(), Name.view(), arguments_text(args...));
        if constexpr (std::is_void_v<R>) {
            return;
        } else if constexpr (std::is_integral_v<R> || std::is_enum_v<R>) {
            return static_cast<R>(code);
        } else {
            return R{};
        }
    }
};

// The function to put into a table slot: unmodelled<"PF World Suite v2", "PF_NewWorld">(slot).
template <FixedName Source, FixedName Name, typename Fn>
constexpr Fn unmodelled(Fn) {
    return &UnmodelledCall<Source, Name, Fn>::call;
}

// Records the call and returns the code it answers: an injected fault, the suite's failure,
// or 0. For functions that only tell the host something and hand nothing back.
int answer_accepted(std::string_view source, std::string_view name, std::string args);

template <FixedName Source, FixedName Name, typename Fn>
struct AcceptedCall;

template <FixedName Source, FixedName Name, typename R, typename... A>
struct AcceptedCall<Source, Name, R (*)(A...)> {
    static_assert(std::is_integral_v<R>, "accepted calls answer an error code");
    static R call(A... args) {
        return static_cast<R>(answer_accepted(Source.view(), Name.view(), arguments_text(args...)));
    }
};

template <FixedName Source, FixedName Name, typename Fn>
constexpr Fn accepted(Fn) {
    return &AcceptedCall<Source, Name, Fn>::call;
}

}  // namespace fx
