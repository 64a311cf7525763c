#pragma once

#include <cstdint>
#include <string>

namespace fx {

class GlTexture;

// One GL framebuffer object. Move-only: deleted with its owner, which expects the
// owning context current then (or forget() called first when the context is gone).
class GlFramebuffer {
public:
    GlFramebuffer() = default;
    ~GlFramebuffer();
    GlFramebuffer(GlFramebuffer&& other) noexcept;
    GlFramebuffer& operator=(GlFramebuffer&& other) noexcept;
    GlFramebuffer(const GlFramebuffer&) = delete;
    GlFramebuffer& operator=(const GlFramebuffer&) = delete;

    // A new framebuffer in the current context; id() is 0 when the driver gave none.
    static GlFramebuffer create();

    // Binds the framebuffer and attaches level 0 of `texture` as colour attachment 0.
    // Returns "" when the framebuffer is complete, otherwise what the driver reported.
    std::string attach_color(const GlTexture& texture);

    void forget() { id_ = 0; }
    std::uint32_t id() const { return id_; }

private:
    explicit GlFramebuffer(std::uint32_t id) : id_(id) {}
    void release();

    std::uint32_t id_ = 0;
};

// The text for a glCheckFramebufferStatus value, e.g. "incomplete attachment (0x8cd6)".
std::string framebuffer_status_text(std::uint32_t status);

}  // namespace fx
