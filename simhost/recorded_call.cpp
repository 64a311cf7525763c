#include "simhost/recorded_call.h"

#include "simhost/sim_host.h"

namespace fx {

std::string quoted_text(const char* text) {
    if (text == nullptr) return "null";
    constexpr std::size_t kShown = 200;  // enough to recognise a text; logs stay readable
    std::string quoted = "\"";
    std::size_t n = 0;
    for (; text[n] != '\0' && n < kShown; ++n) quoted.push_back(text[n]);
    quoted += text[n] == '\0' ? "\"" : "\"...";
    return quoted;
}

int answer_unmodelled(std::string_view source, std::string_view name, std::string args) {
    SimHost& host = SimHost::active();
    int code = host.fault_for(source, name);
    if (code == 0) code = host.unmodelled_result();
    host.record(source, name, std::move(args), code);
    return code;
}

int answer_accepted(std::string_view source, std::string_view name, std::string args) {
    SimHost& host = SimHost::active();
    const int code = host.fault_for(source, name);
    host.record(source, name, std::move(args), code);
    return code;
}

}  // namespace fx
