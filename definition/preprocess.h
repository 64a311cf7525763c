#pragma once

#include <cstddef>
#include <string>

#include "definition/include_expansion.h"
#include "definition/source_bounds.h"

namespace fx {

// The text-level steps that run before the definition is read line by line. Each edits
// the whole text in place.

// Each macro and each replacement line rewrites the whole text, so their number bounds
// the time a parse can take. Macro definitions past the limit stay in the text as written;
// replacement lines past it are ignored.
inline constexpr int kMaxMacros = 1024;
inline constexpr int kMaxReplacements = 1024;
// Bytes of text the macro step and the replacement step may each rewrite in total; a real
// definition needs a tiny fraction of this. When the next rewrite would pass it, or would
// outgrow kMaxDefinitionText, the step ends there.
inline constexpr std::size_t kMaxRewriteWork = 64u << 20;

// Macro definitions "##name body##" after the first "[sho": each one is removed from the
// text and every "##name" in the whole text becomes its body. The area stays anchored to
// its marker when uses ahead of it change the length of the text there.
void expand_macros(std::string& text);

// The "[replace]" block: each of its lines "from|to" replaces every "from" in the whole
// text by "to", in order. Each line costs the text's length plus its own (TextSearch);
// the lines' total is bounded by kMaxRewriteWork. Returns the byte comparisons the
// searches made: the work measure.
std::size_t apply_replace_block(std::string& text);

}  // namespace fx
