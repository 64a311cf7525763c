#include "host/sequence_state.h"

#include <algorithm>
#include <cstring>

#include "host/image_records.h"

namespace fx {

char* new_text(std::string_view text) {
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void free_text(char*& text) noexcept {
    delete[] text;
    text = nullptr;
}

int image_parameter_count(const EffectDefinition& definition) {
    return std::clamp(definition.settings.image_count, 0, kSequenceImages);
}

void free_live_contents(SequenceState& state) noexcept {
    for (char*& text : state.texts) free_text(text);
    for (char*& path : state.image_paths) free_text(path);
    for (ImageHolder*& holder : state.images) {
        delete holder;
        holder = nullptr;
    }
}

}  // namespace fx
