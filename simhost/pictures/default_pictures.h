#pragma once
// Two pictures of our own built into the tool, drawn in code: a warm gradient with
// shapes (the outgoing picture) and a cool pattern (the incoming one). They differ in
// every region so that a transition between them is plain to see.
#include "simhost/pictures/picture.h"

namespace fx::pictures {

inline constexpr int kDefaultPictureWidth = 1280;
inline constexpr int kDefaultPictureHeight = 720;

Picture warm_default_picture(int width = kDefaultPictureWidth, int height = kDefaultPictureHeight);
Picture cool_default_picture(int width = kDefaultPictureWidth, int height = kDefaultPictureHeight);

}  // namespace fx::pictures
