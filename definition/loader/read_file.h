#pragma once
#include <cstddef>
#include <string>

namespace fx {

// Files larger than this are cut here: definitions, presets and lists are a few
// kilobytes, and an include of a device or a runaway file must not exhaust memory.
inline constexpr std::size_t kReadFileLimit = std::size_t{64} << 20;

// The whole content of the file at `path`, byte for byte (no line-end translation, NUL
// bytes kept); "" when `path` is empty or the file cannot be opened. A read that stops
// early returns the bytes read so far. "\" and "/" both separate folder levels.
std::string read_file(const std::string& path);

}  // namespace fx
