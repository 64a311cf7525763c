#pragma once

#include <cstdint>

namespace fx {

// The full-screen quad every pass draws: a vertex array with a buffer of five vertices
// (one triangle strip), position on attribute 0 and texture coordinate on attribute 1.
// Move-only: deleted with its owner, which expects the owning context current then (or
// forget() called first when the context is gone).
class FullScreenQuad {
public:
    static constexpr std::uint32_t kPositionAttribute = 0;
    static constexpr std::uint32_t kTexcoordAttribute = 1;

    FullScreenQuad() = default;
    ~FullScreenQuad();
    FullScreenQuad(FullScreenQuad&& other) noexcept;
    FullScreenQuad& operator=(FullScreenQuad&& other) noexcept;
    FullScreenQuad(const FullScreenQuad&) = delete;
    FullScreenQuad& operator=(const FullScreenQuad&) = delete;

    // Makes the array and its buffer in the current context.
    static FullScreenQuad create();

    // Draws the quad with whatever program and framebuffer are bound.
    void draw() const;

    void forget();
    bool ready() const { return vertex_array_ != 0 && vertex_buffer_ != 0; }
    std::uint32_t vertex_array() const { return vertex_array_; }

private:
    void release();

    std::uint32_t vertex_array_ = 0;
    std::uint32_t vertex_buffer_ = 0;
};

}  // namespace fx
