#pragma once
// The values the plug-in registers itself with: passed to the host's scan callback by
// PluginDataEntryFunction and repeated, byte for byte, in the "PIPL" resource that the
// build generates from this same table (host/pipl/). Nothing else spells them out.
//
// This header includes no host declarations so that the build-time resource generator,
// a plain program, can use it too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fx::registration {

// A fixed-size text slot: the NUL-terminated text, '#' filler up to the last byte, and a
// final NUL. The filler makes the slot easy to find and re-brand in the built library;
// readers use only the text up to the first NUL.
template <std::size_t N>
using TextSlot = std::array<char, N>;

template <std::size_t N>
constexpr TextSlot<N> make_text_slot(std::string_view text) {
    TextSlot<N> slot{};
    std::size_t i = 0;
    for (; i < text.size() && i < N - 1; ++i) slot[i] = text[i];
    slot[i++] = '\0';
    for (; i < N - 1; ++i) slot[i] = '#';
    slot[N - 1] = '\0';
    return slot;
}

// The text of a slot: everything before its first NUL (the whole slot when it has none).
template <std::size_t N>
constexpr std::string_view slot_text(const TextSlot<N>& slot) {
    std::size_t n = 0;
    while (n < N && slot[n] != '\0') ++n;
    return std::string_view(slot.data(), n);
}

inline constexpr TextSlot<32> kDisplayName = make_text_slot<32>("Morvelline 2 Pro");
inline constexpr TextSlot<32> kMatchName = make_text_slot<32>("zqx_morvfact");
inline constexpr TextSlot<32> kCategory = make_text_slot<32>("Quenly");
// Version of the shared engine core, shown in the About text. A slot whose text begins
// with '#' hides it there.
inline constexpr TextSlot<31> kCoreVersion = make_text_slot<31>("23.7.8");

inline constexpr char kEntryPointName[] = "EffectMain";

// 'eFKT': an effect plug-in, as the host's four-character code (first character in the
// most significant byte).
inline constexpr std::int32_t kPluginKind = 0x65464B54;
inline constexpr std::int32_t kApiVersionMajor = 13;
inline constexpr std::int32_t kApiVersionMinor = 27;
inline constexpr std::int32_t kReservedInfo = 8;

// Format version of the property list itself (2.0).
inline constexpr std::int16_t kPropertyListVersionMajor = 2;
inline constexpr std::int16_t kPropertyListVersionMinor = 0;

// The effect's release, 2.0 build 2, packed the way the host packs versions (bug-fix and
// stage 0). Global set-up reports the same word, computed from the definition's version.
inline constexpr std::int32_t kEffectVersionMajor = 2;
inline constexpr std::int32_t kEffectVersionMinor = 0;
inline constexpr std::int32_t kEffectVersionBuild = 2;

constexpr std::uint32_t pack_effect_version(std::int32_t major, std::int32_t minor, std::int32_t build) {
    const auto ma = static_cast<std::uint32_t>(major);
    const auto mi = static_cast<std::uint32_t>(minor);
    const auto bu = static_cast<std::uint32_t>(build);
    return (((ma >> 3) & 0xFu) << 26) | ((ma & 7u) << 19) | ((mi & 0xFu) << 15) | (bu & 0x1FFu);
}

inline constexpr std::uint32_t kEffectVersion =
    pack_effect_version(kEffectVersionMajor, kEffectVersionMinor, kEffectVersionBuild);

// Effect information flags of the resource (none).
inline constexpr std::int16_t kEffectInfoFlags = 0;

// Out flags declared at global set-up; the resource must carry the same words.
inline constexpr std::uint32_t kGlobalOutFlags = 0x06008064;
inline constexpr std::uint32_t kGlobalOutFlags2 = 0x08E21488;

static_assert(kEffectVersion == 0x00100002, "release 2.0.2 packs to 0x00100002");

}  // namespace fx::registration
