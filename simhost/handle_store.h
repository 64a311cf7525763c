#pragma once
// The host's movable memory blocks ("handles"): a handle is the address of a master
// pointer that points at the block, so the block may move while the handle stays valid.
// The store allocates for real and keeps an account of every handle, so that a test can
// see the handles a plug-in never disposed and every misuse (unknown or disposed handles,
// unbalanced unlocks).
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fx {

using HostHandle = void**;

struct HandleInfo {
    HostHandle handle = nullptr;
    std::uint64_t size = 0;
    int locks = 0;
    std::uint64_t serial = 0;  // creation order, 1 for the first handle
};

class HandleStore {
public:
    // The largest block the host hands out; bigger requests fail as out of memory.
    static constexpr std::uint64_t max_block_size = std::uint64_t{1} << 32;

    HandleStore();
    ~HandleStore();
    HandleStore(const HandleStore&) = delete;
    HandleStore& operator=(const HandleStore&) = delete;

    // New blocks are filled with this byte. 0 by default; another value shows a plug-in that
    // relies on fresh memory being zero.
    void set_fill_byte(unsigned char fill);

    HostHandle create(std::uint64_t size);  // null when the size cannot be allocated
    void* lock(HostHandle handle);          // null for a handle the store does not hold
    void unlock(HostHandle handle);
    bool dispose(HostHandle handle);
    std::optional<std::uint64_t> size(HostHandle handle) const;
    bool resize(HostHandle handle, std::uint64_t new_size);  // keeps the contents

    bool holds(HostHandle handle) const;
    int lock_count(HostHandle handle) const;
    std::size_t live_count() const;
    std::uint64_t created_count() const;

    // Handles never disposed, in creation order, and a readable account of them.
    std::vector<HandleInfo> leaks() const;
    std::string leak_report() const;
    // Every call the store could not honour, described for the test output.
    std::vector<std::string> misuses() const;

    // Disposes every remaining handle (the host does this when it closes the project).
    void dispose_all();

private:
    struct Block;
    Block* find(HostHandle handle) const;
    void note_misuse(std::string text);

    mutable std::mutex mutex_;
    unsigned char fill_ = 0;
    std::uint64_t serial_ = 0;
    // Disposed blocks stay as tombstones with a null master pointer: their addresses are never
    // reused for new handles, so a stale handle is reported instead of aliasing a new block.
    std::map<HostHandle, std::unique_ptr<Block>> blocks_;
    std::vector<std::string> misuses_;
};

std::string pointer_text(const void* p);

}  // namespace fx
