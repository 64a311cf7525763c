#pragma once
// The effect applied the way the host applies it: the plug-in library loaded into a
// simulated host (as the compositing host or as the editing host), the definition it is
// to load chosen, and its commands run one by one. What the plug-in itself prints while
// it runs goes to standard error, so that standard output holds only fxhost's report.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "definition/effect_definition.h"
#include "simhost/fxhost/json_values.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx::fxhost {

struct EffectChoice {
    std::string plugin;                     // the library to load
    bool premiere = false;                  // run as the editing host ('PrMr')
    std::optional<std::string> definition;  // the definition file; else the plug-in's own choice
};

// Thrown for what stops a command: the message is its one line on standard error.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AppliedEffect {
public:
    // Throws CommandFailure when the definition file is not a readable regular file or
    // the library cannot be loaded.
    explicit AppliedEffect(const EffectChoice& choice);
    ~AppliedEffect();
    AppliedEffect(const AppliedEffect&) = delete;
    AppliedEffect& operator=(const AppliedEffect&) = delete;

    SimHost& host() { return *host_; }
    LoadedPlugin& plugin() { return *plugin_; }

    CommandResult call(PF_Cmd cmd);
    // Runs `step` with the plug-in's standard output sent to standard error.
    template <typename Step>
    auto quietly(Step step) {
        StdoutAside aside;
        return step();
    }

    // Ends the instance and the effect as closing the project does: set-down of the
    // sequence data when there is any, then global set-down. Runs once.
    void close();

    // What the host saw over the whole run: calls recorded, handles never disposed and
    // everything it could not honour.
    Json host_account() const;

    // The definition file the plug-in reads ("" for the built-in text).
    const std::string& definition_origin() const { return origin_; }

    // The texture inputs the plug-in's registration builds: 0, then every "layer" and
    // "image" slot in slot order. The plug-in keeps the list to itself; fxhost reads the
    // same definition text and applies the same rule.
    std::vector<int> input_slots() const;

private:
    // Standard output goes to standard error for the object's lifetime.
    class StdoutAside {
    public:
        StdoutAside();
        ~StdoutAside();
        StdoutAside(const StdoutAside&) = delete;
        StdoutAside& operator=(const StdoutAside&) = delete;

    private:
        int saved_ = -1;
    };

    std::unique_ptr<SimHost> host_;
    std::unique_ptr<LoadedPlugin> plugin_;
    std::string origin_;
    bool closed_ = false;
};

// Runs one command that the rest depends on: its error stops the subcommand with a
// CommandFailure naming `what`, the error and the plug-in's message.
CommandResult required(AppliedEffect& effect, PF_Cmd cmd, const char* what);

// The definition the plug-in loads (FX_DEFINITION_FILE, else the built-in text), read
// again by fxhost with the engine's own loader, without showing its diagnostics twice.
std::unique_ptr<EffectDefinition> read_plugin_definition();

// The host's name in reports: "after_effects" or "premiere_pro".
const char* host_name(bool premiere);

}  // namespace fx::fxhost
