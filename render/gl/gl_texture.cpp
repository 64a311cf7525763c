#include "render/gl/gl_texture.h"

#include <GL/glew.h>

#include <utility>

#include "render/gl/gl_errors.h"

namespace fx {

GlTexture::~GlTexture() { release(); }

GlTexture::GlTexture(GlTexture&& other) noexcept
    : id_(std::exchange(other.id_, 0u)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      requested_format_(std::exchange(other.requested_format_, 0u)),
      mipmaps_current_(std::exchange(other.mipmaps_current_, false)) {}

GlTexture& GlTexture::operator=(GlTexture&& other) noexcept {
    if (this != &other) {
        release();
        id_ = std::exchange(other.id_, 0u);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        requested_format_ = std::exchange(other.requested_format_, 0u);
        mipmaps_current_ = std::exchange(other.mipmaps_current_, false);
    }
    return *this;
}

GlTexture GlTexture::create() {
    GLuint id = 0;
    glGenTextures(1, &id);
    return GlTexture(id);
}

void GlTexture::release() {
    if (id_ != 0) glDeleteTextures(1, &id_);
    id_ = 0;
}

bool GlTexture::specify_storage(std::uint32_t internal_format, std::int32_t width, std::int32_t height, bool mipmaps) {
    requested_format_ = internal_format;
    mipmaps_current_ = false;
    // The error checked below must be this call's own.
    drain_gl_errors();
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internal_format), width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
    if (mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
    if (glGetError() != GL_NO_ERROR) {
        drain_gl_errors();
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
        if (mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
        if (glGetError() != GL_NO_ERROR) {
            drain_gl_errors();  // the refused mipmap call may have left its own
            width_ = 0;
            height_ = 0;
            return false;
        }
    }
    width_ = width;
    height_ = height;
    return true;
}

}  // namespace fx
