#pragma once
// The per-instance record in the host's sequence data handle. The live record holds
// pointers to texts and image holders it owns; its fixed head (the first 1672 bytes) is
// also the head of the flat form the host saves with the project.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "definition/effect_definition.h"

namespace fx {

struct ImageHolder;

inline constexpr int kSequenceTexts = 32;
inline constexpr int kSequenceImages = 16;

struct SequenceState {
    std::int32_t param_state[kSlotCount];  // per slot: 0 normal, 1 disabled, 2 hidden
    std::uint8_t is_flat;                  // 0 live (the pointers are valid), 1 flat
    std::uint8_t reserved0[7];
    char* texts[kSequenceTexts];         // each text parameter's current text; owned
    char* image_paths[kSequenceImages];  // the path loaded into each image parameter; owned
    std::uint8_t reserved1[128];
    ImageHolder* images[kSequenceImages];  // owned
};

inline constexpr std::size_t sequence_state_size = 1672;
static_assert(sizeof(void*) == 8, "the sequence record's layout holds 64-bit pointers");
static_assert(sizeof(SequenceState) == sequence_state_size);
static_assert(offsetof(SequenceState, is_flat) == 1024);
static_assert(offsetof(SequenceState, texts) == 1032);
static_assert(offsetof(SequenceState, image_paths) == 1288);
static_assert(offsetof(SequenceState, images) == 1544);

// What a handle given as sequence data holds, judged from its size and is_flat byte
// without reading past its end. A live record is always the full 1672 bytes; anything
// shorter can only be a flat record cut short (a damaged project file). A handle whose
// size the host does not report (0) cannot be judged.
enum class RecordKind { live, flat, damaged, unknown };
inline RecordKind record_kind(const SequenceState& record, std::size_t handle_size) noexcept {
    if (handle_size == 0) return RecordKind::unknown;
    if (handle_size <= offsetof(SequenceState, is_flat)) return RecordKind::flat;
    if (record.is_flat == 1) return RecordKind::flat;
    if (record.is_flat == 0 && handle_size >= sequence_state_size) return RecordKind::live;
    return RecordKind::damaged;
}

// A new NUL-terminated copy of `text`, owned by the record; free_text gives it back.
char* new_text(std::string_view text);
void free_text(char*& text) noexcept;

// Texts are kept when the definition declares a text parameter.
inline bool keeps_texts(const EffectDefinition& definition) { return !definition.settings.no_texts; }
// Image parameters the record holds, capped at its 16 entries.
int image_parameter_count(const EffectDefinition& definition);

// Frees every text, path and image holder a live record owns and clears the pointers.
// Every entry is visited, not only those the current definition declares: a reload may
// have changed the counts since set-up, and entries never filled are null.
void free_live_contents(SequenceState& state) noexcept;

}  // namespace fx
