#pragma once
// The host's side of the AEGP layer for the one effect being driven: effect references,
// one stream per parameter with the name and hidden flag the panel shows, and an account
// of every reference handed out and disposed, so that a test sees a reference the plug-in
// never gave back.
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fx {

// What a parameter's stream holds once the plug-in changed it; a stream never touched
// shows the parameter's registered name and is not hidden.
struct StreamState {
    std::optional<std::string> name;
    bool hidden = false;
};

class EffectStreams {
public:
    EffectStreams() = default;
    EffectStreams(const EffectStreams&) = delete;
    EffectStreams& operator=(const EffectStreams&) = delete;
    ~EffectStreams();

    // Reference tokens are addresses of records the store owns until they are disposed.
    void* new_effect();
    // Null when `effect` is not a live effect reference.
    void* new_stream(void* effect, int param_index);
    bool dispose_effect(void* effect);
    bool dispose_stream(void* stream);
    // The parameter a live stream reference stands for; nothing for anything else.
    std::optional<int> stream_param(void* stream) const;

    void set_name(int param_index, std::string name);
    void set_hidden(int param_index, bool hidden);
    StreamState state(int param_index) const;

    int effects_obtained() const;
    int streams_obtained() const;
    int effects_open() const;  // obtained and not yet disposed
    int streams_open() const;
    std::vector<std::string> misuses() const;

private:
    struct Effect {
        int serial = 0;
    };
    struct Stream {
        int param_index = 0;
    };
    mutable std::mutex mutex_;
    std::map<void*, std::unique_ptr<Effect>> effects_;
    std::map<void*, std::unique_ptr<Stream>> streams_;
    std::map<int, StreamState> states_;
    int effects_obtained_ = 0;
    int streams_obtained_ = 0;
    std::vector<std::string> misuses_;
};

}  // namespace fx
