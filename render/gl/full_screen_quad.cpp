#include "render/gl/full_screen_quad.h"

#include <GL/glew.h>

#include <utility>

namespace fx {
namespace {

// x, y, z, s, t per vertex.
constexpr float kQuad[5][5] = {
    {1.0f, -1.0f, 0.0f, 1.0f, 0.0f},  {1.0f, 1.0f, 0.0f, 1.0f, 1.0f},  {-1.0f, 1.0f, 0.0f, 0.0f, 1.0f},
    {-1.0f, -1.0f, 0.0f, 0.0f, 0.0f}, {1.0f, -1.0f, 0.0f, 1.0f, 0.0f},
};
constexpr GLsizei kQuadStride = 5 * sizeof(float);  // 20 bytes

}  // namespace

FullScreenQuad::~FullScreenQuad() { release(); }

FullScreenQuad::FullScreenQuad(FullScreenQuad&& other) noexcept
    : vertex_array_(std::exchange(other.vertex_array_, 0u)), vertex_buffer_(std::exchange(other.vertex_buffer_, 0u)) {}

FullScreenQuad& FullScreenQuad::operator=(FullScreenQuad&& other) noexcept {
    if (this != &other) {
        release();
        vertex_array_ = std::exchange(other.vertex_array_, 0u);
        vertex_buffer_ = std::exchange(other.vertex_buffer_, 0u);
    }
    return *this;
}

FullScreenQuad FullScreenQuad::create() {
    FullScreenQuad quad;
    glGenVertexArrays(1, &quad.vertex_array_);
    glBindVertexArray(quad.vertex_array_);
    glGenBuffers(1, &quad.vertex_buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, quad.vertex_buffer_);
    glBufferData(GL_ARRAY_BUFFER, sizeof(kQuad), kQuad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(kPositionAttribute);
    glEnableVertexAttribArray(kTexcoordAttribute);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, kQuadStride, nullptr);
    glVertexAttribPointer(kTexcoordAttribute, 2, GL_FLOAT, GL_TRUE, kQuadStride,
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return quad;
}

void FullScreenQuad::draw() const {
    glBindVertexArray(vertex_array_);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 5);
    glBindVertexArray(0);
}

void FullScreenQuad::forget() {
    vertex_array_ = 0;
    vertex_buffer_ = 0;
}

void FullScreenQuad::release() {
    if (vertex_array_ != 0) glDeleteVertexArrays(1, &vertex_array_);
    if (vertex_buffer_ != 0) glDeleteBuffers(1, &vertex_buffer_);
    forget();
}

}  // namespace fx
