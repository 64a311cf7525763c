#pragma once
// Sets or clears environment variables for one test and puts the old values back.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/environment_variable.h"

namespace fx::test {

class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            platform::restore_environment_variable(it->first, it->second);
    }

    // `value` nullopt clears the variable.
    void set(const std::string& name, std::optional<std::string> value) {
        saved_.emplace_back(name, platform::environment_variable(name));
        platform::restore_environment_variable(name, value);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace fx::test
