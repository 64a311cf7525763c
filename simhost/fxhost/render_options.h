#pragma once
// The command lines of fxhost render and fxhost sequence, read with CLI11. Both share the
// options that pick the effect and the host: --plugin, --definition, --set, --depth,
// --size, --premiere and --classic. A bad command line is a UsageError whose message is
// one line naming the option and what it expected.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx::fxhost {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FrameSize {
    int width = 0;
    int height = 0;
};

struct HostChoice {
    std::string plugin;             // the plug-in library to load
    std::string definition;         // "" = the plug-in's own definition
    std::vector<std::string> sets;  // NAME=VALUE, read against the definition later
    int depth = 8;                  // 8, 16 or 32 bits a channel in the host's worlds
    std::optional<FrameSize> size;
    bool premiere = false;  // Premiere Pro host and its pixel formats
    bool classic = false;   // PF_Cmd_RENDER instead of smart render
};

struct RenderOptions {
    HostChoice host;
    std::vector<std::string> inputs;  // the effect's input, then each layer parameter in slot order
    std::string project;              // a project file to render with its values, texts and pictures ("" none)
    double time = 0.0;                // seconds
    std::string output;
};

struct FrameRange {
    long long first = 0;
    long long last = 0;
};

struct SequenceOptions {
    HostChoice host;
    std::string from;  // picture or numbered picture pattern
    std::string to;
    long long frames = 0;
    std::optional<FrameRange> range;  // frames first .. last (0-based, inclusive)
    std::string output;               // numbered pattern
    bool quiet = false;
};

// `--help` prints the usage and throws nothing; the returned flag says it did.
struct Parsed {
    bool help_shown = false;
};

// Reads the arguments after "render"; throws UsageError.
RenderOptions parse_render_options(const std::vector<std::string>& args, const std::string& default_plugin,
                                   Parsed& parsed);
SequenceOptions parse_sequence_options(const std::vector<std::string>& args, const std::string& default_plugin,
                                       Parsed& parsed);

// A usage error's message as the line the user sees: "fxhost COMMAND: ..." once.
std::string usage_line(const std::string& command, const std::string& message);

// "1920x1080" → {1920, 1080}; throws UsageError.
FrameSize parse_frame_size(const std::string& text);
// "10-19" → {10, 19}; a single number is a range of one frame; throws UsageError.
FrameRange parse_frame_range(const std::string& text, long long frames);

}  // namespace fx::fxhost
