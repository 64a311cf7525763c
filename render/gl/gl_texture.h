#pragma once

#include <cstdint>

namespace fx {

// One GL texture and what the renderer knows of its storage. Move-only: the texture is
// deleted with its owner, which expects the owning context current then (or forget()
// called first when the context is gone).
class GlTexture {
public:
    GlTexture() = default;
    ~GlTexture();
    GlTexture(GlTexture&& other) noexcept;
    GlTexture& operator=(GlTexture&& other) noexcept;
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    // A new texture name in the current context; id() is 0 when the driver gave none.
    static GlTexture create();

    // Specifies level-0 storage of the texture bound to GL_TEXTURE_2D on the active
    // unit. A refused format (a float format the driver lacks, or a format value it
    // does not know) falls back to 8-bit RGBA, which every driver has. False, with the
    // size back at 0 x 0, when even that fails.
    bool specify_storage(std::uint32_t internal_format, std::int32_t width, std::int32_t height, bool mipmaps);

    // Drops the name without deleting it: the context that held it is gone.
    void forget() { id_ = 0; }

    std::uint32_t id() const { return id_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    bool has_storage() const { return width_ > 0 && height_ > 0; }
    // The internal format last asked for (the storage may hold the 8-bit fallback).
    std::uint32_t requested_format() const { return requested_format_; }

    // Whether the mipmap levels were built from the current level 0. A new level 0
    // (upload, a pass drawing into it, new storage) makes them stale; a pass that
    // samples with mipmaps rebuilds stale ones first.
    bool mipmaps_current() const { return mipmaps_current_; }
    void set_mipmaps_current(bool current) { mipmaps_current_ = current; }

private:
    explicit GlTexture(std::uint32_t id) : id_(id) {}
    void release();

    std::uint32_t id_ = 0;
    std::int32_t width_ = 0;  // 0 x 0: storage never allocated
    std::int32_t height_ = 0;
    std::uint32_t requested_format_ = 0;
    bool mipmaps_current_ = false;
};

}  // namespace fx
