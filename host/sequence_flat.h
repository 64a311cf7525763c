#pragma once
// The flat form of a sequence record, the bytes the host saves with the project: the
// record's head with zeroed pointer areas and is_flat 1, then length-prefixed text
// records: 32 texts when the definition keeps texts, then one path per image parameter.
// The form stores no counts: the definition loaded when it is read decides them.

#include <cstddef>
#include <cstdint>

namespace fx {

class EffectDefinition;
struct SequenceState;

// Bytes of the flat form of `live` under `definition`.
std::size_t flat_size(const SequenceState& live, const EffectDefinition& definition);

// Writes the flat form into `out`, which holds flat_size(live, definition) bytes.
void write_flat(const SequenceState& live, const EffectDefinition& definition, std::uint8_t* out);

// Fills a zeroed live record from the `size` bytes of a flat form: visibility states,
// texts and image paths as new owned texts. Reading stops at the end of the bytes: a
// record that ends early, or was written under a definition with fewer texts or images,
// leaves the missing entries as empty texts, and bytes beyond what the definition asks
// for are ignored, so nothing is read that is not there.
void read_flat(const std::uint8_t* flat, std::size_t size, const EffectDefinition& definition, SequenceState& live);

}  // namespace fx
