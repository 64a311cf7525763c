#include "platform/environment_variable.h"

#include <cstdlib>

namespace fx::platform {

std::optional<std::string> environment_variable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

#ifdef _WIN32
// _putenv_s with an empty value removes the variable: Windows cannot keep an empty one
// in the C runtime's table, so an empty value reads back as unset there.
void set_environment_variable(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
}

void unset_environment_variable(const std::string& name) { _putenv_s(name.c_str(), ""); }
#else
void set_environment_variable(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void unset_environment_variable(const std::string& name) { unsetenv(name.c_str()); }
#endif

void restore_environment_variable(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        set_environment_variable(name, *value);
    else
        unset_environment_variable(name);
}

}  // namespace fx::platform
