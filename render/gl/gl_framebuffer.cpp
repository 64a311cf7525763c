#include "render/gl/gl_framebuffer.h"

#include <GL/glew.h>

#include <cstdio>
#include <utility>

#include "render/gl/gl_texture.h"

namespace fx {

GlFramebuffer::~GlFramebuffer() { release(); }

GlFramebuffer::GlFramebuffer(GlFramebuffer&& other) noexcept : id_(std::exchange(other.id_, 0u)) {}

GlFramebuffer& GlFramebuffer::operator=(GlFramebuffer&& other) noexcept {
    if (this != &other) {
        release();
        id_ = std::exchange(other.id_, 0u);
    }
    return *this;
}

GlFramebuffer GlFramebuffer::create() {
    GLuint id = 0;
    glGenFramebuffers(1, &id);
    return GlFramebuffer(id);
}

void GlFramebuffer::release() {
    if (id_ != 0) glDeleteFramebuffers(1, &id_);
    id_ = 0;
}

std::string GlFramebuffer::attach_color(const GlTexture& texture) {
    glBindFramebuffer(GL_FRAMEBUFFER, id_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture.id(), 0);
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status == GL_FRAMEBUFFER_COMPLETE) return {};
    return framebuffer_status_text(status);
}

std::string framebuffer_status_text(std::uint32_t status) {
    const char* name = "unknown status";
    switch (status) {
        case GL_FRAMEBUFFER_COMPLETE:
            name = "complete";
            break;
        case GL_FRAMEBUFFER_UNDEFINED:
            name = "undefined";
            break;
        case GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT:
            name = "incomplete attachment";
            break;
        case GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT:
            name = "missing attachment";
            break;
        case GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER:
            name = "incomplete draw buffer";
            break;
        case GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER:
            name = "incomplete read buffer";
            break;
        case GL_FRAMEBUFFER_UNSUPPORTED:
            name = "unsupported format combination";
            break;
        case GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE:
            name = "incomplete multisample";
            break;
        case 0:
            name = "status query failed";
            break;
        default:
            break;
    }
    char code[16];
    std::snprintf(code, sizeof(code), "0x%04x", static_cast<unsigned>(status));
    return std::string(name) + " (" + code + ")";
}

}  // namespace fx
