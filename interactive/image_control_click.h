#pragma once
// A click on an image parameter's control. The control is the thumbnail (imgwidth wide)
// with a 25-pixel strip of three buttons to its right: next picture at the top (rows
// 0-16), previous picture in the middle (17-33), choose a file below; a click on the
// thumbnail itself also chooses a file, as does any click while no sibling pictures are
// known.
#include "AE_EffectUI.h"
#include "interactive/panel_command.h"

namespace fx {

// Acts on a click on image slot `index`, made with a mouse button held; afterwards asks
// for a new render (and, under Premiere Pro, nudges parameter 6 so that the new picture
// reaches its render cache).
void ImageControlClick(PanelCommand& command, int index, const PF_EventExtra& event);

}  // namespace fx
