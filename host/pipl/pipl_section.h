#pragma once
// Where the registration resource lives in a built plug-in. On Windows it is resource
// type "PIPL", id 16000, US English; in an ELF shared library the same bytes form the
// whole of one section, which the simulated host reads back out of the library file.
// Header-only and free of host declarations so that any reader can include it.

#include <cstdint>

namespace fx::pipl {

inline constexpr char kSectionName[] = ".pipl";
inline constexpr char kResourceType[] = "PIPL";
inline constexpr std::uint16_t kResourceId = 16000;
inline constexpr std::uint16_t kResourceLanguage = 1033;  // US English (0x0409)

}  // namespace fx::pipl
