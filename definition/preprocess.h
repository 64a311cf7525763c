#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace fx {

// The text-level steps that run before the definition is read line by line. Each edits
// the whole text in place.

// Upper bound for the text while preprocessing: includes, macros and replacements that
// would make it longer are not applied. Real definitions are a few hundred kilobytes at
// most; the bound keeps a hostile or cyclic definition from exhausting memory.
inline constexpr std::size_t kMaxDefinitionText = 16u << 20;

// An include cycle would expand forever; after this many inclusions a further "#include"
// contributes nothing, as a missing file does.
inline constexpr int kMaxIncludes = 64;

// Each macro and each replacement line rewrites the whole text, so their number bounds
// the time a parse can take. Macro definitions past the limit stay in the text as written;
// replacement lines past it are ignored.
inline constexpr int kMaxMacros = 1024;
inline constexpr int kMaxReplacements = 1024;
// Bytes of text the macro step and the replacement step may each rewrite in total; a real
// definition needs a tiny fraction of this. When the next rewrite would pass it, or would
// outgrow kMaxDefinitionText, the step ends there.
inline constexpr std::size_t kMaxRewriteWork = 64u << 20;

// Replaces every "#include name" by the named file's content followed by "\n//include",
// so the rest of the include line ends up as a comment line. The search restarts at the
// beginning after every inclusion. `read_file` returns "" for an unreadable file. NUL
// bytes of an included file are dropped.
void expand_includes(std::string& text, const std::function<std::string(const std::string&)>& read_file);

// Macro definitions "##name body##" after the first "[sho": each one is removed from the
// text and every "##name" in the whole text becomes its body. The area stays anchored to
// its marker when uses ahead of it change the length of the text there.
void expand_macros(std::string& text);

// The "[replace]" block: each of its lines "from|to" replaces every "from" in the whole
// text by "to", in order.
void apply_replace_block(std::string& text);

}  // namespace fx
