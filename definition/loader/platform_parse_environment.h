#pragma once
#include "definition/parse_environment.h"

namespace fx {

// The parser's environment in the running product: include files and preset folders
// come from the file system through the platform layer (read_file, list_files,
// platform::app_data_folder), the default vertex shader and the Options-button label
// from the built-in texts.
ParseEnvironment platform_parse_environment();

}  // namespace fx
