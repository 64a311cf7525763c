#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace fx {

// An owned, heap-allocated, NUL-terminated 8-bit string that is never null.
// Other parts of the engine hand c_str() to C interfaces (host callbacks, GL source
// strings), so the buffer must always exist: a fresh or reset Text holds "".
// Assignment frees the old buffer and allocates exactly length + 1 zero-filled bytes.
// The text ends at its first NUL byte: bytes after an embedded NUL are not kept,
// because every C reader of the buffer would stop there anyway.
class Text {
public:
    Text();
    Text(std::string_view value);  // NOLINT(google-explicit-constructor): texts read like strings
    Text(const char* value);       // NOLINT(google-explicit-constructor); null reads as ""
    Text(const Text& other);
    Text& operator=(const Text& other);
    ~Text();

    Text& operator=(std::string_view value);
    Text& operator=(const char* value);
    Text& operator=(const std::string& value) { return *this = std::string_view(value); }

    const char* c_str() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {data_.get(), size_}; }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const Text& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const Text& a, const char* b) { return a.view() == std::string_view(b ? b : ""); }
    friend bool operator==(const Text& a, const Text& b) { return a.view() == b.view(); }

private:
    void assign(std::string_view value);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

// Writes the text as it is (test failure messages, diagnostics).
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace fx
