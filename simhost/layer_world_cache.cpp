#include "simhost/layer_world_cache.h"

#include <algorithm>

namespace fx {

std::shared_ptr<HostWorld> LayerWorldCache::world(const std::shared_ptr<const Clip>& clip, const Picture* picture,
                                                  const WorldShape& shape,
                                                  const std::function<std::shared_ptr<HostWorld>()>& make) {
    // Held while the world is made, so that frames on several threads asking for the same
    // picture make it once.
    std::lock_guard lock(mutex_);
    ++uses_;
    for (Entry& entry : entries_) {
        // A dead clip's address may be reused by a new clip: the live clip is compared.
        if (entry.picture == picture && entry.shape == shape && entry.clip.lock() == clip) {
            entry.last_use = uses_;
            return entry.world;
        }
    }
    std::shared_ptr<HostWorld> made = make();
    if (!made || !clip) return made;
    drop_stale();
    if (entries_.size() >= kKeptWorlds) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                             [](const Entry& a, const Entry& b) { return a.last_use < b.last_use; });
        entries_.erase(oldest);
    }
    entries_.push_back(Entry{clip, picture, shape, made, uses_});
    return made;
}

void LayerWorldCache::drop_stale() {
    std::erase_if(entries_, [](const Entry& entry) { return entry.clip.expired(); });
}

std::size_t LayerWorldCache::kept() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

void LayerWorldCache::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

}  // namespace fx
