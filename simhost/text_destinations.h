#pragma once
// The host's text callbacks (formatted print, string copy) are given only a destination
// pointer. The host knows the size of its own buffers (out_data->return_msg, 256 bytes);
// text aimed into one of them is cut to fit and always NUL-terminated. Into any other
// memory the callbacks copy in full, as the C library would: a plug-in that overruns its
// own buffer is then caught by the address sanitizer instead of being hidden.
#include <cstdarg>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fx {

struct StoredText {
    std::size_t stored = 0;  // characters written, without the NUL
    bool truncated = false;  // the text did not fit into a known buffer
};

class TextDestinations {
public:
    void add(char* begin, std::size_t size);
    void remove(char* begin);
    // Bytes from `destination` to the end of the known buffer it lies in.
    std::optional<std::size_t> room(const char* destination) const;

    StoredText store(char* destination, const std::string& text) const;

private:
    struct Region {
        char* begin;
        std::size_t size;
    };
    mutable std::mutex mutex_;
    std::vector<Region> regions_;
};

// Makes a buffer known for as long as the scope lives (a command's out_data, say), so that
// no stale address stays registered after the buffer is gone, also when an exception
// leaves the scope.
class KnownTextBuffer {
public:
    KnownTextBuffer(TextDestinations& destinations, char* begin, std::size_t size)
        : destinations_(destinations), begin_(begin) {
        destinations_.add(begin, size);
    }
    ~KnownTextBuffer() { destinations_.remove(begin_); }
    KnownTextBuffer(const KnownTextBuffer&) = delete;
    KnownTextBuffer& operator=(const KnownTextBuffer&) = delete;

private:
    TextDestinations& destinations_;
    char* begin_;
};

// vsnprintf into a string of whatever length the format needs.
std::string format_text(const char* format, va_list args);

}  // namespace fx
