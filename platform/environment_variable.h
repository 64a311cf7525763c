#pragma once
// Reading and changing the process's environment variables the same way on every system
// (Windows has no setenv or unsetenv). Changes are seen by std::getenv afterwards.
#include <optional>
#include <string>

namespace fx::platform {

// The variable's value; nothing when it is not set.
std::optional<std::string> environment_variable(const std::string& name);
// Sets the variable to `value`, an empty value included.
void set_environment_variable(const std::string& name, const std::string& value);
void unset_environment_variable(const std::string& name);
// Sets the variable to `value`, or unsets it when `value` is empty (nothing).
void restore_environment_variable(const std::string& name, const std::optional<std::string>& value);

}  // namespace fx::platform
