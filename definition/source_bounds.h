#pragma once
// Bounds on what one definition may make the parser build. A definition file may come
// from anyone, and the Options button reloads it while the process mutex is held, so no
// definition may make a parse take unbounded time or memory. Each bound lies far above
// what a real definition needs; where a definition reaches one, the parser cuts there and
// says so in its report on standard output.
#include <cstddef>

namespace fx {

// Upper bound for the text while preprocessing: includes, macros and replacements that
// would make it longer are not applied. Real definitions are a few hundred kilobytes at
// most; the bound keeps a hostile or cyclic definition from exhausting memory.
inline constexpr std::size_t kMaxDefinitionText = std::size_t{16} << 20;

// Bytes all "#include" directives of one parse may read together. Each include reads at
// most the space left under the text bound (kMaxDefinitionText); an include that does not
// fit, or that would pass this budget, contributes nothing.
inline constexpr std::size_t kMaxIncludeRead = std::size_t{32} << 20;

// Bytes of shader source in all passes together after pass references ("psN") are
// resolved. A reference that would pass it leaves its pass with its own text.
inline constexpr std::size_t kMaxPassSourceTotal = std::size_t{16} << 20;

// Items of one popup (the host keeps a popup's choice count in 16 bits). Items past it
// are dropped; the preset-file popup lists no more files than it can show.
inline constexpr int kMaxPopupItems = 10000;

// Assignments of all preset sections together; later ones are dropped.
inline constexpr std::size_t kMaxPresetRecords = 100000;

// An inline parameter header carries eight fields; the text after the eighth comma is
// ignored without being split.
inline constexpr int kInlineFieldCount = 8;

}  // namespace fx
