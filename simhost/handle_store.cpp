#include "simhost/handle_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

namespace fx {

struct HandleStore::Block {
    void* data = nullptr;  // the master pointer; a handle is its address
    std::uint64_t size = 0;
    int locks = 0;
    bool disposed = false;
    std::uint64_t serial = 0;
};

std::string pointer_text(const void* p) {
    if (p == nullptr) return "null";
    // One form on every system ("%p" writes no 0x on Windows).
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(p)));
    return text;
}

HandleStore::HandleStore() = default;

HandleStore::~HandleStore() {
    for (auto& [handle, block] : blocks_) std::free(block->data);
}

void HandleStore::set_fill_byte(unsigned char fill) {
    std::lock_guard lock(mutex_);
    fill_ = fill;
}

HostHandle HandleStore::create(std::uint64_t size) {
    if (size > max_block_size) return nullptr;
    // malloc(0) may return null; every handle owns at least one byte so that its master
    // pointer is never null while it lives.
    const std::size_t bytes = size == 0 ? 1 : static_cast<std::size_t>(size);
    unsigned char fill = 0;
    {
        std::lock_guard lock(mutex_);
        fill = fill_;
    }
    // Zeroed blocks come from calloc: fresh pages of a large block are zero already and
    // are only touched where the plug-in writes, where a memset would touch them all.
    void* data = fill == 0 ? std::calloc(1, bytes) : std::malloc(bytes);
    if (data == nullptr) return nullptr;
    if (fill != 0) std::memset(data, fill, bytes);
    std::lock_guard lock(mutex_);
    auto block = std::make_unique<Block>();
    block->data = data;
    block->size = size;
    block->serial = ++serial_;
    HostHandle handle = &block->data;
    blocks_.emplace(handle, std::move(block));
    return handle;
}

HandleStore::Block* HandleStore::find(HostHandle handle) const {
    auto it = blocks_.find(handle);
    return it == blocks_.end() ? nullptr : it->second.get();
}

void HandleStore::note_misuse(std::string text) { misuses_.push_back(std::move(text)); }

void* HandleStore::lock(HostHandle handle) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle);
    if (block == nullptr || block->disposed) {
        note_misuse("host_lock_handle: " + pointer_text(handle) +
                    (block ? " was already disposed" : " is not a handle of this host"));
        return nullptr;
    }
    ++block->locks;
    return block->data;
}

void HandleStore::unlock(HostHandle handle) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle);
    if (block == nullptr || block->disposed) {
        note_misuse("host_unlock_handle: " + pointer_text(handle) +
                    (block ? " was already disposed" : " is not a handle of this host"));
        return;
    }
    if (block->locks == 0) {
        note_misuse("host_unlock_handle: " + pointer_text(handle) + " is not locked");
        return;
    }
    --block->locks;
}

bool HandleStore::dispose(HostHandle handle) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle);
    if (block == nullptr || block->disposed) {
        note_misuse("host_dispose_handle: " + pointer_text(handle) +
                    (block ? " was already disposed" : " is not a handle of this host"));
        return false;
    }
    // A locked handle may be disposed: disposal ends the lock as well.
    std::free(block->data);
    block->data = nullptr;
    block->disposed = true;
    block->locks = 0;
    return true;
}

std::optional<std::uint64_t> HandleStore::size(HostHandle handle) const {
    std::lock_guard lock(mutex_);
    Block* block = find(handle);
    if (block == nullptr || block->disposed) return std::nullopt;
    return block->size;
}

bool HandleStore::resize(HostHandle handle, std::uint64_t new_size) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle);
    if (block == nullptr || block->disposed) {
        note_misuse("host_resize_handle: " + pointer_text(handle) +
                    (block ? " was already disposed" : " is not a handle of this host"));
        return false;
    }
    if (new_size > max_block_size) return false;
    const std::size_t bytes = new_size == 0 ? 1 : static_cast<std::size_t>(new_size);
    void* data = std::realloc(block->data, bytes);
    if (data == nullptr) return false;
    if (new_size > block->size) {
        std::memset(static_cast<unsigned char*>(data) + block->size, fill_,
                    static_cast<std::size_t>(new_size - block->size));
    }
    // The block may have moved; the master pointer follows it, the handle stays the same.
    block->data = data;
    block->size = new_size;
    return true;
}

bool HandleStore::holds(HostHandle handle) const {
    std::lock_guard lock(mutex_);
    const Block* block = find(handle);
    return block != nullptr && !block->disposed;
}

int HandleStore::lock_count(HostHandle handle) const {
    std::lock_guard lock(mutex_);
    const Block* block = find(handle);
    return block == nullptr || block->disposed ? 0 : block->locks;
}

std::size_t HandleStore::live_count() const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const auto& [handle, block] : blocks_) n += block->disposed ? 0 : 1;
    return n;
}

std::uint64_t HandleStore::created_count() const {
    std::lock_guard lock(mutex_);
    return serial_;
}

std::vector<HandleInfo> HandleStore::leaks() const {
    std::lock_guard lock(mutex_);
    std::vector<HandleInfo> live;
    for (const auto& [handle, block] : blocks_) {
        if (!block->disposed) live.push_back({handle, block->size, block->locks, block->serial});
    }
    std::sort(live.begin(), live.end(), [](const HandleInfo& a, const HandleInfo& b) { return a.serial < b.serial; });
    return live;
}

std::string HandleStore::leak_report() const {
    const std::vector<HandleInfo> live = leaks();
    if (live.empty()) return "no handles left";
    std::ostringstream out;
    out << live.size() << " handle(s) never disposed:";
    for (const HandleInfo& info : live) {
        out << "\n  #" << info.serial << " " << pointer_text(info.handle) << ": " << info.size << " bytes, locked "
            << info.locks << " time(s)";
    }
    return out.str();
}

std::vector<std::string> HandleStore::misuses() const {
    std::lock_guard lock(mutex_);
    return misuses_;
}

void HandleStore::dispose_all() {
    std::lock_guard lock(mutex_);
    for (auto& [handle, block] : blocks_) {
        std::free(block->data);
        block->data = nullptr;
        block->disposed = true;
        block->locks = 0;
    }
}

}  // namespace fx
