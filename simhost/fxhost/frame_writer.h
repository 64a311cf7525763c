#pragma once
// Writes the frames of a sequence on a thread of its own, so that a frame is encoded while
// the next one renders. One frame is in flight at most: a frame waits for the one before
// it, files are written in order, and the first failed write is thrown from the next call.
#include <future>
#include <string>

#include "simhost/pictures/picture.h"

namespace fx::fxhost {

class FrameWriter {
public:
    FrameWriter() = default;
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;
    // Waits for the write in flight; its error, if any, is lost only when one is already
    // being thrown.
    ~FrameWriter();

    // Hands `picture` over to be written as a `bits`-bit PNG at `path`, after the frame
    // before it is written; throws what that earlier write threw.
    void write(pictures::Picture picture, int bits, std::string path);
    // Waits until every frame is written; throws what the last write threw.
    void finish();

private:
    std::future<void> in_flight_;
};

}  // namespace fx::fxhost
