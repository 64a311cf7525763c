#include "simhost/effect_streams.h"

#include "simhost/handle_store.h"

namespace fx {

EffectStreams::~EffectStreams() = default;

void* EffectStreams::new_effect() {
    std::lock_guard lock(mutex_);
    auto effect = std::make_unique<Effect>();
    effect->serial = ++effects_obtained_;
    void* token = effect.get();
    effects_[token] = std::move(effect);
    return token;
}

void* EffectStreams::new_stream(void* effect, int param_index) {
    std::lock_guard lock(mutex_);
    if (effects_.count(effect) == 0) {
        misuses_.push_back("AEGP_GetNewEffectStreamByIndex: effect reference " + pointer_text(effect) +
                           " is not a live one");
        return nullptr;
    }
    auto stream = std::make_unique<Stream>();
    stream->param_index = param_index;
    void* token = stream.get();
    streams_[token] = std::move(stream);
    ++streams_obtained_;
    return token;
}

bool EffectStreams::dispose_effect(void* effect) {
    std::lock_guard lock(mutex_);
    if (effects_.erase(effect) != 0) return true;
    misuses_.push_back("AEGP_DisposeEffect: " + pointer_text(effect) + " is not a live effect reference");
    return false;
}

bool EffectStreams::dispose_stream(void* stream) {
    std::lock_guard lock(mutex_);
    if (streams_.erase(stream) != 0) return true;
    misuses_.push_back("AEGP_DisposeStream: " + pointer_text(stream) + " is not a live stream reference");
    return false;
}

std::optional<int> EffectStreams::stream_param(void* stream) const {
    std::lock_guard lock(mutex_);
    auto it = streams_.find(stream);
    if (it == streams_.end()) return std::nullopt;
    return it->second->param_index;
}

void EffectStreams::set_name(int param_index, std::string name) {
    std::lock_guard lock(mutex_);
    states_[param_index].name = std::move(name);
}

void EffectStreams::set_hidden(int param_index, bool hidden) {
    std::lock_guard lock(mutex_);
    states_[param_index].hidden = hidden;
}

StreamState EffectStreams::state(int param_index) const {
    std::lock_guard lock(mutex_);
    auto it = states_.find(param_index);
    return it == states_.end() ? StreamState{} : it->second;
}

int EffectStreams::effects_obtained() const {
    std::lock_guard lock(mutex_);
    return effects_obtained_;
}

int EffectStreams::streams_obtained() const {
    std::lock_guard lock(mutex_);
    return streams_obtained_;
}

int EffectStreams::effects_open() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(effects_.size());
}

int EffectStreams::streams_open() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(streams_.size());
}

std::vector<std::string> EffectStreams::misuses() const {
    std::lock_guard lock(mutex_);
    return misuses_;
}

}  // namespace fx
