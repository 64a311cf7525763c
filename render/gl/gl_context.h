#pragma once

#include <cstdint>
#include <memory>

#include "render/gl/gl_capabilities.h"

namespace fx {

// The renderer's private OpenGL context. One backend is compiled per platform: a
// hidden-window WGL context on Windows, a headless EGL context elsewhere.
//
// make_current/restore bracket every GL operation: make_current saves whatever the
// calling thread had current and makes this context current; restore puts the saved
// state back. Brackets nest: only the outermost pair saves and restores, so an inner
// restore never takes the context away from an operation that is still running.
class GlContext {
public:
    GlContext() = default;
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;
    virtual ~GlContext() = default;

    // True when the context exists and passed the capability check.
    virtual bool usable() const = 0;

    // Returns false when there is no usable context or it could not be made current.
    bool make_current() {
        if (!usable()) return false;
        if (depth_ > 0) {
            ++depth_;
            return true;
        }
        if (!switch_to_ours()) return false;
        depth_ = 1;
        current_mark_ = 1;
        return true;
    }

    void restore() {
        if (depth_ == 0) return;
        if (--depth_ > 0) return;
        switch_back();
        current_mark_ = 0;
    }

    // -1: no context, 1: made current by the renderer, 0: restored.
    std::int32_t current_mark() const { return current_mark_; }
    int bracket_depth() const { return depth_; }

protected:
    // The backend's half of the outermost bracket: save what the calling thread has
    // current and make our context current; then put the saved state back.
    virtual bool switch_to_ours() = 0;
    virtual void switch_back() = 0;

    // Run once a backend has made its context: the entry points must load and the
    // required features exist, or the context is of no use and is dropped.
    bool passes_capability_check() {
        bool ok = false;
        if (make_current()) {
            ok = load_gl_entry_points() && has_required_gl_capabilities();
            restore();
        }
        return ok;
    }

    std::int32_t current_mark_ = -1;
    int depth_ = 0;
};

// Creates the platform's context. Never null: a context that failed creation or the
// capability check reports usable() == false.
std::unique_ptr<GlContext> create_gl_context();

// Holds the context current for one scope.
class ContextBracket {
public:
    explicit ContextBracket(GlContext* context)
        : context_(context), current_(context != nullptr && context->make_current()) {}
    ~ContextBracket() {
        if (current_) context_->restore();
    }
    ContextBracket(const ContextBracket&) = delete;
    ContextBracket& operator=(const ContextBracket&) = delete;

    bool current() const { return current_; }

private:
    GlContext* context_;
    bool current_;
};

}  // namespace fx
