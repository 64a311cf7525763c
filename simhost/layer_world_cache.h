#pragma once
// The layer worlds the host has made from its clips' pictures, handed out again for later
// frames as a host's frame cache hands out a layer it has rendered before: a frame then
// pays only for what the effect does, not for the host turning the same picture into the
// same world again. A world is kept while its clip lives and the render's world shape
// (format, padding, origin) stays; the cache holds a few worlds and drops the least
// recently used beyond that. Worlds handed out are shared: the plug-in must not write its
// layers, as with any host.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "simhost/host_world.h"
#include "simhost/layer_clips.h"

namespace fx {

// What a world made from a picture looks like besides its pixels.
struct WorldShape {
    PF_PixelFormat format = PF_PixelFormat_ARGB32;
    A_long row_padding = 0;
    A_long origin_x = 0;
    A_long origin_y = 0;

    bool operator==(const WorldShape&) const = default;
};

class LayerWorldCache {
public:
    static constexpr std::size_t kKeptWorlds = 8;

    // The world of `picture` (a frame of `clip`) in `shape`: the kept one, or a new one
    // from `make`, kept for later.
    std::shared_ptr<HostWorld> world(const std::shared_ptr<const Clip>& clip, const Picture* picture,
                                     const WorldShape& shape, const std::function<std::shared_ptr<HostWorld>()>& make);
    std::size_t kept() const;
    void clear();

private:
    struct Entry {
        std::weak_ptr<const Clip> clip;  // the world is valid only while its clip lives
        const Picture* picture = nullptr;
        WorldShape shape;
        std::shared_ptr<HostWorld> world;
        std::uint64_t last_use = 0;
    };

    void drop_stale();

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    std::uint64_t uses_ = 0;
};

}  // namespace fx
