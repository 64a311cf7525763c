#pragma once

#include <stdexcept>
#include <string>

namespace fx {

// A failure inside the GL engine that ends the current frame; the renderer's callers
// turn it into the frame's error status.
class RenderError : public std::runtime_error {
public:
    explicit RenderError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fx
