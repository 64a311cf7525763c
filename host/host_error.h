#pragma once
// The one exception type the plug-in's own code throws when a command must end with a
// host error code. Only the entry point turns exceptions into codes (command_firewall.h).

#include <cstdint>
#include <stdexcept>
#include <string>

namespace fx {

class HostError : public std::runtime_error {
public:
    explicit HostError(std::int32_t code, const std::string& what = "host error")
        : std::runtime_error(what), code_(code) {}

    std::int32_t code() const noexcept { return code_; }

private:
    std::int32_t code_;
};

}  // namespace fx
