#pragma once
// Built-in texts are kept in the library in a scrambled form that begins with "?", so
// that shader code and product texts do not show up in a plain string dump of the
// binary. They are turned back into plain text where they are used.
#include <string>
#include <string_view>

namespace fx {

// The plain text of a stored literal. A literal beginning with "?" is scrambled: every
// printable character (codes 32 to 126) at position i of the rest is shifted down by
// 4 × (i mod 3), wrapping around inside the printable range; other bytes (line ends,
// tabs, bytes above 126) pass unchanged. A literal that does not begin with "?" is
// returned without its first character. An empty literal gives "".
std::string unscramble_text(std::string_view literal);

// The inverse: a literal beginning with "?" that `unscramble_text` turns back into
// `plain`. Used by the build step that stores the built-in texts.
std::string scramble_text(std::string_view plain);

}  // namespace fx
