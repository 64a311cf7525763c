#include "simhost/fxhost/frame_writer.h"

#include <utility>

#include "simhost/pictures/picture_file.h"

namespace fx::fxhost {

FrameWriter::~FrameWriter() {
    if (in_flight_.valid()) in_flight_.wait();
}

void FrameWriter::write(pictures::Picture picture, int bits, std::string path) {
    finish();
    in_flight_ = std::async(std::launch::async, [picture = std::move(picture), bits, path = std::move(path)] {
        pictures::write_png(picture, bits, path);
    });
}

void FrameWriter::finish() {
    if (in_flight_.valid()) in_flight_.get();
}

}  // namespace fx::fxhost
