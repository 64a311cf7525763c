#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "definition/loader/load_definition.h"
#include "platform/environment_variable.h"

namespace fx::test {

// The definition the plug-in loads, written to a file of its own and named by the
// override variable for the object's lifetime. One file per process and object: ctest
// runs the tests side by side.
class DefinitionFile {
public:
    explicit DefinitionFile(const std::string& text) {
        static int files = 0;
        path_ = ::testing::TempDir() + "host_definition_" + std::to_string(getpid()) + "_" + std::to_string(++files) +
                ".fxdef";
        std::ofstream(path_) << text;
        platform::set_environment_variable(kDefinitionFileVariable, path_);
    }
    ~DefinitionFile() {
        platform::unset_environment_variable(kDefinitionFileVariable);
        std::remove(path_.c_str());
    }
    DefinitionFile(const DefinitionFile&) = delete;
    DefinitionFile& operator=(const DefinitionFile&) = delete;

private:
    std::string path_;
};

}  // namespace fx::test
