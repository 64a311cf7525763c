#pragma once
// A clip given on the command line: one picture for every frame, or a numbered picture
// pattern ("clip_%04d.png") read frame for frame. A pattern's first frame is its file
// numbered 0, or 1 when there is no 0.
#include <optional>
#include <string>

#include "simhost/pictures/numbered_pattern.h"
#include "simhost/pictures/picture.h"

namespace fx::fxhost {

class ClipSource {
public:
    // `role` names the clip in messages ("--from"); throws EffectRunError when the
    // picture or the pattern's first frame is not there.
    ClipSource(std::string role, const std::string& text);

    // The picture of frame `frame` (0-based); throws EffectRunError naming the file.
    pictures::Picture frame(long long frame) const;
    // The file of frame `frame`.
    std::string file(long long frame) const;

private:
    std::string role_;
    std::string text_;
    std::optional<pictures::NumberedPattern> pattern_;
    long long first_ = 0;
    std::optional<pictures::Picture> still_;
};

}  // namespace fx::fxhost
