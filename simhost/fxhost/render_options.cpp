#include "simhost/fxhost/render_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>

namespace fx::fxhost {
namespace {

bool read_whole(const std::string& text, long long& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

void add_host_options(CLI::App& app, HostChoice& host, std::string& size_text) {
    app.add_option("--plugin", host.plugin, "plug-in library to load (default: the one built with fxhost)");
    app.add_option("--definition", host.definition, "effect definition file (default: the plug-in's own)");
    app.add_option("--set", host.sets, "NAME=VALUE: a parameter's value (by param or display name)")->take_all();
    app.add_option("--depth", host.depth, "bits a channel in the host's worlds: 8, 16 or 32")
        ->check(CLI::IsMember({8, 16, 32}));
    app.add_option("--size", size_text, "WxH: output size (default: the first input's size)");
    app.add_flag("--premiere", host.premiere, "run as the Premiere Pro host with its pixel formats");
    app.add_flag("--classic", host.classic, "render with PF_Cmd_RENDER instead of smart render");
}

// CLI11's own messages, made one line and prefixed with the command.
[[noreturn]] void usage_failure(const char* command, const CLI::Error& error) {
    std::string message = error.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    throw UsageError(std::string("fxhost ") + command + ": " + message + " (see fxhost " + command + " --help)");
}

// CLI11 reads the arguments from the back of the vector.
void parse(CLI::App& app, const std::vector<std::string>& args, const char* command, Parsed& parsed) {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        parsed.help_shown = true;
    } catch (const CLI::Error& error) {
        usage_failure(command, error);
    }
}

void finish_host(HostChoice& host, const std::string& size_text, const std::string& default_plugin) {
    if (host.plugin.empty()) host.plugin = default_plugin;
    if (!size_text.empty()) host.size = parse_frame_size(size_text);
}

}  // namespace

std::string usage_line(const std::string& command, const std::string& message) {
    const std::string prefix = "fxhost " + command + ": ";
    return message.rfind(prefix, 0) == 0 ? message : prefix + message;
}

FrameSize parse_frame_size(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    long long width = 0;
    long long height = 0;
    if (x == std::string::npos || !read_whole(text.substr(0, x), width) || !read_whole(text.substr(x + 1), height) ||
        width < 1 || height < 1 || width > 16384 || height > 16384)
        throw UsageError("--size " + text + ": expected WxH with each from 1 to 16384, such as 1920x1080");
    return {static_cast<int>(width), static_cast<int>(height)};
}

FrameRange parse_frame_range(const std::string& text, long long frames) {
    const std::size_t dash = text.find('-', 1);
    FrameRange range;
    bool ok = dash == std::string::npos
                  ? read_whole(text, range.first)
                  : read_whole(text.substr(0, dash), range.first) && read_whole(text.substr(dash + 1), range.last);
    if (dash == std::string::npos) range.last = range.first;
    ok = ok && range.first >= 0 && range.first <= range.last && range.last < frames;
    if (!ok)
        throw UsageError("--range " + text + ": expected FIRST-LAST with 0 <= FIRST <= LAST <= " +
                         std::to_string(frames - 1) + " (frames count from 0)");
    return range;
}

RenderOptions parse_render_options(const std::vector<std::string>& args, const std::string& default_plugin,
                                   Parsed& parsed) {
    RenderOptions options;
    std::string size_text;
    CLI::App app("renders one frame of the effect over pictures and writes a PNG", "fxhost render");
    add_host_options(app, options.host, size_text);
    app.add_option("--input", options.inputs, "PNG or JPEG picture: the effect's input, then each layer in order")
        ->take_all();
    app.add_option("--project", options.project,
                   "project file (fxhost project save, fxhost panel --save-project): render with its values, texts "
                   "and pictures; --set values apply on top");
    app.add_option("--time", options.time, "the frame's time in seconds")->check(CLI::Range(0.0, 86400.0));
    app.add_option("--output", options.output, "PNG file to write")->required();
    parse(app, args, "render", parsed);
    if (!parsed.help_shown) finish_host(options.host, size_text, default_plugin);
    return options;
}

SequenceOptions parse_sequence_options(const std::vector<std::string>& args, const std::string& default_plugin,
                                       Parsed& parsed) {
    SequenceOptions options;
    std::string size_text;
    std::string range_text;
    CLI::App app("renders a transition from clip A to clip B as numbered PNGs", "fxhost sequence");
    add_host_options(app, options.host, size_text);
    app.add_option("--from", options.from, "outgoing clip: a picture or a numbered pattern such as a_%04d.png")
        ->required();
    app.add_option("--to", options.to, "incoming clip: a picture or a numbered pattern")->required();
    app.add_option("--frames", options.frames, "number of frames of the transition")
        ->required()
        ->check(CLI::Range(1LL, 1000000LL));
    app.add_option("--range", range_text, "FIRST-LAST: render only these frames (0-based)");
    app.add_option("--output", options.output, "numbered PNG pattern such as out_%04d.png")->required();
    app.add_flag("--quiet", options.quiet, "no progress bar and no timing summary");
    parse(app, args, "sequence", parsed);
    if (parsed.help_shown) return options;
    finish_host(options.host, size_text, default_plugin);
    if (!range_text.empty()) options.range = parse_frame_range(range_text, options.frames);
    return options;
}

}  // namespace fx::fxhost
