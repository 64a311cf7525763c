// fxhost sequence: a transition from clip A to clip B over N frames, written as numbered
// PNGs. The progress slider is keyframed by time as the host drives it: frame i of N is at
// 100 × i / (N − 1), so frame 0 shows A and frame N − 1 shows B. Under Premiere Pro the
// host's own transition timing drives it instead: the transition lasts N frames and frame
// i is at i / N. Every frame depends only on its number, never on --range or on the
// frames rendered before it, so a long sequence can be split across processes.
#include <chrono>
#include <iostream>

#include "simhost/fxhost/clip_source.h"
#include "simhost/fxhost/frame_timing.h"
#include "simhost/fxhost/frame_writer.h"
#include "simhost/fxhost/progress_bar.h"
#include "simhost/fxhost/render_session.h"
#include "simhost/fxhost/subcommand.h"
#include "simhost/pictures/numbered_pattern.h"
#include "simhost/pictures/picture_file.h"

namespace fx::fxhost {
namespace {

double progress_at(long long frame, long long frames) {
    return frames <= 1 ? 0.0 : 100.0 * static_cast<double>(frame) / static_cast<double>(frames - 1);
}

// Runs a step of writing the frames, telling a failed write as an error of the output.
template <typename Step>
void reporting_output_errors(Step step) {
    try {
        step();
    } catch (const pictures::PictureError& error) {
        throw EffectRunError(std::string("output ") + error.what());
    }
}

int sequence(const SequenceOptions& options) {
    std::optional<pictures::NumberedPattern> output;
    try {
        output = pictures::parse_numbered_pattern(options.output);
    } catch (const pictures::PictureError& error) {
        throw UsageError(std::string("--output ") + error.what());
    }
    if (!output) throw UsageError("--output " + options.output + ": expected a numbered pattern such as out_%04d.png");
    const ClipSource from("--from", options.from);
    const ClipSource to("--to", options.to);
    const FrameRange range = options.range.value_or(FrameRange{0, options.frames - 1});

    pictures::Picture first = from.frame(range.first);
    const FrameSize size = options.host.size.value_or(FrameSize{first.width, first.height});
    RenderSession effect(options.host, size, static_cast<A_long>(options.frames));
    for (const std::string& warning : effect.warnings()) std::cerr << "fxhost sequence: " << warning << "\n";
    if (effect.layer_slots().empty())
        throw EffectRunError("--to: the effect has no layer parameter to show the incoming clip in");
    const int progress = effect.progress_slot();
    const bool keyframed = progress > 0 && !effect.was_set(progress);

    ProgressBar bar(range.last - range.first + 1, !options.quiet && output_is_terminal());
    FrameTiming timing;
    // Each frame is written while the next one renders; a frame's time is from the start
    // of its rendering to the start of the next frame's.
    FrameWriter writer;
    for (long long frame = range.first; frame <= range.last; ++frame) {
        bar.show(frame - range.first, "frame " + std::to_string(frame));
        const auto start = std::chrono::steady_clock::now();
        const auto time = static_cast<A_long>(frame);
        effect.set_input(frame == range.first ? first : from.frame(frame));
        effect.set_layer(0, to.frame(frame));
        if (keyframed) effect.set_float(progress, progress_at(frame, options.frames), time);
        pictures::Picture result = effect.render(time);
        reporting_output_errors([&] { writer.write(std::move(result), effect.file_bits(), output->name(frame)); });
        timing.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    reporting_output_errors([&] { writer.finish(); });
    bar.finish();
    if (!options.quiet) {
        std::cout << "fxhost sequence: wrote " << output->name(range.first) << " .. " << output->name(range.last)
                  << "\n"
                  << "fxhost sequence: " << timing.summary() << "\n";
    }
    return 0;
}

}  // namespace

int run_sequence(const std::vector<std::string>& args) {
    try {
        Parsed parsed;
        const SequenceOptions options = parse_sequence_options(args, FX_DEFAULT_PLUGIN, parsed);
        if (parsed.help_shown) return 0;
        return sequence(options);
    } catch (const UsageError& error) {
        std::cerr << usage_line("sequence", error.what()) << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "fxhost sequence: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace fx::fxhost
