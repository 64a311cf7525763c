#pragma once
// Everything the simulated host is asked to do, in the order it was asked, so that a
// test can assert what the host saw.
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

struct HostCall {
    std::string source;  // who answered: "basic", "inter", "utils" or a suite name + version
    std::string name;    // the function's name as the host's interface spells it
    std::string args;    // the arguments as text, comma separated
    int result = 0;      // the error code the host returned (0 for functions without one)
};

class CallLog {
public:
    void record(std::string source, std::string name, std::string args, int result);

    std::vector<HostCall> calls() const;
    std::vector<HostCall> calls_named(std::string_view name) const;
    std::vector<std::string> names() const;
    std::size_t count(std::string_view name) const;
    std::size_t size() const;
    void clear();

private:
    mutable std::mutex mutex_;  // callbacks may arrive from several row threads at once
    std::vector<HostCall> calls_;
};

}  // namespace fx
