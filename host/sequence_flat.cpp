#include "host/sequence_flat.h"

#include <cstring>
#include <string_view>

#include "host/sequence_state.h"

namespace fx {
namespace {

constexpr std::size_t param_state_bytes = sizeof(SequenceState::param_state);

std::string_view text_of(const char* text) { return text != nullptr ? std::string_view(text) : std::string_view(); }

std::size_t record_size(const char* text) { return 4 + text_of(text).size(); }

std::uint8_t* write_record(std::uint8_t* out, const char* text) {
    const std::string_view view = text_of(text);
    const auto length = static_cast<std::int32_t>(view.size());
    std::memcpy(out, &length, 4);
    std::memcpy(out + 4, view.data(), view.size());
    return out + 4 + view.size();
}

// The flat bytes still unread.
class FlatReader {
public:
    FlatReader(const std::uint8_t* flat, std::size_t size) : flat_(flat), size_(size) {}

    // The next record as a new text; empty once the bytes run out or a length is damaged.
    char* next_text() {
        std::int32_t length = 0;
        if (at_ + 4 > size_) return new_text("");
        std::memcpy(&length, flat_ + at_, 4);
        at_ += 4;
        if (length < 0 || static_cast<std::size_t>(length) > size_ - at_) {
            at_ = size_;  // what follows a damaged length cannot be trusted
            return new_text("");
        }
        char* text = new_text(std::string_view(reinterpret_cast<const char*>(flat_ + at_), length));
        at_ += static_cast<std::size_t>(length);
        return text;
    }

private:
    const std::uint8_t* flat_;
    std::size_t size_;
    std::size_t at_ = sequence_state_size;
};

}  // namespace

std::size_t flat_size(const SequenceState& live, const EffectDefinition& definition) {
    std::size_t size = sequence_state_size;
    if (keeps_texts(definition))
        for (const char* text : live.texts) size += record_size(text);
    for (int i = 0; i < image_parameter_count(definition); ++i) size += record_size(live.image_paths[i]);
    return size;
}

void write_flat(const SequenceState& live, const EffectDefinition& definition, std::uint8_t* out) {
    std::memset(out, 0, sequence_state_size);
    std::memcpy(out, live.param_state, param_state_bytes);
    out[offsetof(SequenceState, is_flat)] = 1;
    std::uint8_t* at = out + sequence_state_size;
    if (keeps_texts(definition))
        for (const char* text : live.texts) at = write_record(at, text);
    for (int i = 0; i < image_parameter_count(definition); ++i) at = write_record(at, live.image_paths[i]);
}

void read_flat(const std::uint8_t* flat, std::size_t size, const EffectDefinition& definition, SequenceState& live) {
    std::memcpy(live.param_state, flat, size < param_state_bytes ? size : param_state_bytes);
    FlatReader reader(flat, size);
    if (keeps_texts(definition))
        for (char*& text : live.texts) text = reader.next_text();
    for (int i = 0; i < image_parameter_count(definition); ++i) live.image_paths[i] = reader.next_text();
}

}  // namespace fx
