#pragma once
#include <cstddef>
#include <string>

namespace fx {

// Files larger than this are cut here: definitions, presets and lists are a few
// kilobytes, and an include of a device or a runaway file must not exhaust memory.
inline constexpr std::size_t kReadFileLimit = std::size_t{64} << 20;

// The whole content of the file at `path`, byte for byte (no line-end translation, NUL
// bytes kept), but at most `max_bytes` bytes; reading stops there. "" when `path` is
// empty, the file cannot be opened, or `path` is not a regular file: a pipe, device or
// socket is refused without being opened for a blocking read, so it never waits. A read
// that stops early returns the bytes read so far. "\" and "/" both separate folder levels.
std::string read_file(const std::string& path, std::size_t max_bytes = kReadFileLimit);

}  // namespace fx
