#pragma once
// A picture given to an image parameter the way a user gives it in the effect panel: the
// parameter's change (PF_Cmd_USER_CHANGED_PARAM), whose file dialog answers with the
// file, so that the plug-in loads it with its own image loading.
#include <string>

#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

// Chooses `path` (made absolute, as a file dialog answers) for the image parameter at
// host `index`. The dialog's answer comes from an answers file of its own, so whatever
// FX_DIALOG_ANSWERS names is left as it was. Throws std::runtime_error when the answer
// cannot be written.
CommandResult choose_picture(LoadedPlugin& plugin, PF_ParamIndex index, const std::string& path);

// Whether image `image_index` of the instance shows the checkerboard the plug-in puts in
// place of a picture it could not load (`width` x `height`: the definition's imgwidth
// and imgheight).
bool shows_placeholder(SimHost& host, const LoadedPlugin& plugin, int image_index, int width, int height);

// The image reference the instance keeps for image `image_index` ("" when none).
std::string image_reference(SimHost& host, const LoadedPlugin& plugin, int image_index);

}  // namespace fx::fxhost
