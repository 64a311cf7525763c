#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace fx {

// An include cycle would expand forever; after this many inclusions a further "#include"
// contributes nothing, as a missing file does.
inline constexpr int kMaxIncludes = 64;

// Reads at most `max_bytes` bytes of the named file ("" when it cannot be read). A reader
// may return more; the expansion then takes the file as too large.
using IncludeReader = std::function<std::string(const std::string& path, std::size_t max_bytes)>;

// Replaces every "#include name" by the named file's content followed by "\n//include",
// so the rest of the include line ends up as a comment line. Included text may include
// again. NUL bytes of an included file are dropped.
//
// The text is rewritten in one pass from the front: the text before a directive holds no
// directive any more, so the search goes on at the directive (a directive completed by the
// first bytes of an included file is found too), which keeps the work linear in the
// result instead of rescanning and moving the whole text at every directive. Each file is
// read only up to the space left under kMaxDefinitionText and the read budget
// kMaxIncludeRead; a file that does not fit contributes nothing and is reported.
// Returns the bytes the expansion touched (copied, scanned or read): the work measure.
std::size_t expand_includes(std::string& text, const IncludeReader& read_file);

}  // namespace fx
