#pragma once
// The AEGP layer's memory handles: real blocks the host allocates (a script's result text,
// or what a plug-in asks for), locked, unlocked and freed through the memory suite, with
// an account of every handle never freed and every misuse.
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

class MemHandles {
public:
    MemHandles() = default;
    MemHandles(const MemHandles&) = delete;
    MemHandles& operator=(const MemHandles&) = delete;
    ~MemHandles();

    void* create(std::size_t size, std::string what);
    // A handle holding `text` and its terminating NUL.
    void* create_text(std::string_view text, std::string what);
    void* lock(void* handle);  // null for a handle the host does not hold
    bool unlock(void* handle);
    bool free(void* handle);
    bool size(void* handle, std::size_t* out) const;
    bool resize(void* handle, std::size_t new_size);

    bool holds(void* handle) const;
    std::size_t open_count() const;
    // "what" of every handle never freed, in creation order.
    std::vector<std::string> open_handles() const;
    std::vector<std::string> misuses() const;

private:
    struct Block {
        std::vector<char> bytes;
        std::string what;
        int locks = 0;
        std::size_t serial = 0;
    };
    Block* find(void* handle, std::string_view caller);

    mutable std::mutex mutex_;
    std::map<void*, std::unique_ptr<Block>> blocks_;
    std::size_t serial_ = 0;
    std::vector<std::string> misuses_;
};

}  // namespace fx
