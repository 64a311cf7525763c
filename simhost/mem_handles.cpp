#include "simhost/mem_handles.h"

#include <algorithm>

#include "simhost/handle_store.h"

namespace fx {

MemHandles::~MemHandles() = default;

void* MemHandles::create(std::size_t size, std::string what) {
    std::lock_guard lock(mutex_);
    auto block = std::make_unique<Block>();
    // A zero-size block still has an address to lock.
    block->bytes.assign(std::max<std::size_t>(size, 1), '\0');
    block->bytes.resize(size);
    block->what = std::move(what);
    block->serial = ++serial_;
    void* token = block.get();
    blocks_[token] = std::move(block);
    return token;
}

void* MemHandles::create_text(std::string_view text, std::string what) {
    void* handle = create(text.size() + 1, std::move(what));
    std::lock_guard lock(mutex_);
    std::copy(text.begin(), text.end(), blocks_[handle]->bytes.begin());
    return handle;
}

MemHandles::Block* MemHandles::find(void* handle, std::string_view caller) {
    auto it = blocks_.find(handle);
    if (it != blocks_.end()) return it->second.get();
    misuses_.push_back(std::string(caller) + ": " + pointer_text(handle) + " is not a live memory handle");
    return nullptr;
}

void* MemHandles::lock(void* handle) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle, "AEGP_LockMemHandle");
    if (block == nullptr) return nullptr;
    ++block->locks;
    return block->bytes.data();
}

bool MemHandles::unlock(void* handle) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle, "AEGP_UnlockMemHandle");
    if (block == nullptr) return false;
    if (block->locks == 0) {
        misuses_.push_back("AEGP_UnlockMemHandle: " + block->what + " is not locked");
        return false;
    }
    --block->locks;
    return true;
}

bool MemHandles::free(void* handle) {
    std::lock_guard lock(mutex_);
    if (find(handle, "AEGP_FreeMemHandle") == nullptr) return false;
    blocks_.erase(handle);
    return true;
}

bool MemHandles::size(void* handle, std::size_t* out) const {
    std::lock_guard lock(mutex_);
    auto it = blocks_.find(handle);
    if (it == blocks_.end()) return false;
    *out = it->second->bytes.size();
    return true;
}

bool MemHandles::resize(void* handle, std::size_t new_size) {
    std::lock_guard lock(mutex_);
    Block* block = find(handle, "AEGP_ResizeMemHandle");
    if (block == nullptr) return false;
    if (block->locks != 0) {
        misuses_.push_back("AEGP_ResizeMemHandle: " + block->what + " is locked");
        return false;
    }
    block->bytes.resize(new_size, '\0');
    return true;
}

bool MemHandles::holds(void* handle) const {
    std::lock_guard lock(mutex_);
    return blocks_.count(handle) != 0;
}

std::size_t MemHandles::open_count() const {
    std::lock_guard lock(mutex_);
    return blocks_.size();
}

std::vector<std::string> MemHandles::open_handles() const {
    std::lock_guard lock(mutex_);
    std::vector<const Block*> open;
    for (const auto& [token, block] : blocks_) open.push_back(block.get());
    std::sort(open.begin(), open.end(), [](const Block* a, const Block* b) { return a->serial < b->serial; });
    std::vector<std::string> whats;
    for (const Block* block : open) whats.push_back(block->what);
    return whats;
}

std::vector<std::string> MemHandles::misuses() const {
    std::lock_guard lock(mutex_);
    return misuses_;
}

}  // namespace fx
