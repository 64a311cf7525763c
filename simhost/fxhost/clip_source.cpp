#include "simhost/fxhost/clip_source.h"

#include "platform/regular_file.h"
#include "simhost/fxhost/render_session.h"
#include "simhost/pictures/picture_file.h"

namespace fx::fxhost {

ClipSource::ClipSource(std::string role, const std::string& text) : role_(std::move(role)), text_(text) {
    try {
        pattern_ = pictures::parse_numbered_pattern(text);
    } catch (const pictures::PictureError& error) {
        throw EffectRunError(role_ + " " + error.what());
    }
    if (!pattern_) {
        still_ = input_picture(text);
        return;
    }
    if (platform::file_kind(pattern_->name(0)) != platform::FileKind::missing) {
        first_ = 0;
    } else if (platform::file_kind(pattern_->name(1)) != platform::FileKind::missing) {
        first_ = 1;
    } else {
        throw EffectRunError(role_ + " " + text + ": neither " + pattern_->name(0) + " nor " + pattern_->name(1) +
                             " exists, expected the clip's first frame");
    }
}

std::string ClipSource::file(long long frame) const { return pattern_ ? pattern_->name(first_ + frame) : text_; }

pictures::Picture ClipSource::frame(long long frame) const {
    if (still_) return *still_;
    try {
        return pictures::read_picture(file(frame));
    } catch (const pictures::PictureError& error) {
        throw EffectRunError(role_ + " frame " + std::to_string(frame) + ": " + error.what());
    }
}

}  // namespace fx::fxhost
