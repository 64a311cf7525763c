#pragma once
// Between the tool's 16-bit pictures (files) and the simulated host's float pictures
// (worlds).
#include "simhost/host_world.h"
#include "simhost/pictures/picture.h"

namespace fx::fxhost {

fx::Picture host_picture(const pictures::Picture& picture);
// Clamped to 0..1 and rounded to the nearest 16-bit step; NaN becomes 0.
pictures::Picture file_picture(const fx::Picture& picture);

}  // namespace fx::fxhost
