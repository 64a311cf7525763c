#include "render/frame_render.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "AE_EffectCBSuites.h"
#include "AE_GeneralPlug.h"
#include "PrSDKAESupport.h"
#include "definition/definition_codes.h"
#include "definition/effect_definition.h"
#include "host/global_state.h"
#include "host/host_application.h"
#include "host/host_error.h"
#include "host/host_message.h"
#include "host/image_records.h"
#include "host/optional_suite.h"
#include "host/process_mutex.h"
#include "host/sequence_state.h"
#include "host/suite_cache.h"
#include "host/suite_scope.h"
#include "render/gl/gl_renderer.h"
#include "render/input_range.h"
#include "render/locked_record.h"
#include "render/pixel_converters.h"
#include "render/pixel_staging.h"
#include "render/row_runner.h"
#include "render/shader_status_report.h"
#include "render/staging_buffers.h"

namespace fx {
namespace {

constexpr PF_Err kSequenceSuiteMissing = 13;

// The instance's sequence record: locked from in_data's handle, or looked up through
// the sequence data suite (read-only, not locked) when in_data carries none.
class FrameSequence {
public:
    FrameSequence(PF_InData* in_data, PF_OutData* out_data) : lock_(in_data, in_data->sequence_data) {
        if (in_data->sequence_data != nullptr) {
            state_ = lock_.get();
            return;
        }
        OptionalSuite suite(in_data->pica_basicP, kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1);
        if (!suite.granted()) {
            report_host_message(in_data, out_data, kAcquireFailureMessage);
            throw HostError(kSequenceSuiteMissing, "render_frame: no \"PF Effect Sequence Data Suite\" 1");
        }
        PF_ConstHandle handle = nullptr;
        status_ = suite.get<PF_EffectSequenceDataSuite1>()->PF_GetConstSequenceData(in_data->effect_ref, &handle);
        // The host's handle is a pointer to the block's address.
        if (handle != nullptr) state_ = static_cast<SequenceState*>(const_cast<void*>(*handle));
    }

    SequenceState* get() const noexcept { return state_; }
    PF_Err status() const noexcept { return status_; }

private:
    LockedRecord<SequenceState> lock_;
    SequenceState* state_ = nullptr;
    PF_Err status_ = PF_Err_NONE;
};

// Keeps the frame attached to the renderer while it renders.
class AttachedFrame {
public:
    AttachedFrame(GlRenderer& renderer, FrameParams& frame) : renderer_(renderer) { renderer_.attach_frame(&frame); }
    ~AttachedFrame() { renderer_.attach_frame(nullptr); }
    AttachedFrame(const AttachedFrame&) = delete;
    AttachedFrame& operator=(const AttachedFrame&) = delete;

private:
    GlRenderer& renderer_;
};

float rational(const PF_RationalScale& scale) {
    return scale.den == 0 ? 1.0f : static_cast<float>(scale.num) / static_cast<float>(scale.den);
}

bool is_float_world_format(HostPixelFormat format) {
    return format == HostPixelFormat::ae32 || format == HostPixelFormat::BGra || format == HostPixelFormat::BGaL;
}

class FrameRender {
public:
    FrameRender(PF_InData* in_data, PF_OutData* out_data, FrameParams& frame, GlobalState& global,
                SequenceState& sequence, PF_Err status)
        : in_(in_data),
          out_(out_data),
          frame_(frame),
          global_(global),
          sequence_(sequence),
          definition_(effect_definition()),
          rows_(global.suites),
          buffers_(global.suites != nullptr ? global.suites->handle_suite() : nullptr),
          status_(status) {}

    PF_Err run(std::vector<PF_EffectWorld*>& input_worlds, PF_EffectWorld* output_world);
    PF_Err status() const noexcept { return status_; }

private:
    HostPixelFormat format_of(PF_EffectWorld* world) const;
    void fill_frame_facts();
    void stage_inputs(std::vector<PF_EffectWorld*>& input_worlds);
    void stage_layer(int input, std::vector<PF_EffectWorld*>& input_worlds);
    void stage_image(int input, int image);
    bool stage_output(PF_EffectWorld* output_world);
    void draw(PF_EffectWorld* output_world);
    void apply_texts(GlRenderer& renderer);
    bool uploads(int input) const;
    int effective_range() const { return frame_.range < 0 ? definition_.settings.range : frame_.range; }
    int input_count(const std::vector<PF_EffectWorld*>& input_worlds) const;

    PF_InData* in_;
    PF_OutData* out_;
    FrameParams& frame_;
    GlobalState& global_;
    SequenceState& sequence_;
    EffectDefinition& definition_;
    RowRunner rows_;
    StagingBuffers buffers_;
    PF_Err status_;
    HostPixelFormat output_format_{};
    // The pixels each staged input was converted from: a later input showing the same
    // pixels shares that staging instead of converting them again.
    std::vector<const void*> staged_from_;
};

HostPixelFormat FrameRender::format_of(PF_EffectWorld* world) const {
    PF_PixelFormat format = 0;
    global_.world_suite->PF_GetPixelFormat(world, &format);
    // Premiere Pro reports its own formats through its pixel format suite.
    if (is_premiere_pro(in_)) {
        PrPixelFormat premiere_format = PrPixelFormat_Invalid;
        global_.pixel_format_suite->GetPixelFormat(world, &premiere_format);
        format = static_cast<PF_PixelFormat>(premiere_format);
    }
    return host_pixel_format(format);
}

void FrameRender::fill_frame_facts() {
    frame_.pixel_aspect[0] = static_cast<float>(in_->pixel_aspect_ratio.num);
    frame_.pixel_aspect[1] = static_cast<float>(in_->pixel_aspect_ratio.den);
    frame_.downsample[0] = rational(in_->downsample_x);
    frame_.downsample[1] = rational(in_->downsample_y);
    frame_.time_seconds =
        in_->time_scale == 0 ? 0.0 : static_cast<double>(in_->current_time) / static_cast<double>(in_->time_scale);
    if (frame_.upload_count < 1) frame_.upload_count = definition_.settings.layer_count;
}

int FrameRender::input_count(const std::vector<PF_EffectWorld*>& input_worlds) const {
    // A definition reloaded since registration may promise more inputs than the drivers
    // collected; only those that exist are staged.
    const int declared = std::clamp(definition_.settings.layer_count, 0, kFrameInputSlots);
    return std::min(
        {declared, static_cast<int>(input_worlds.size()), static_cast<int>(definition_.input_slots.size())});
}

void FrameRender::stage_inputs(std::vector<PF_EffectWorld*>& input_worlds) {
    const int count = input_count(input_worlds);
    staged_from_.assign(static_cast<std::size_t>(count), nullptr);
    int image = 0;
    for (int input = 0; input < count; ++input) {
        if (input_worlds[static_cast<std::size_t>(input)] != nullptr) {
            stage_layer(input, input_worlds);
        } else {
            stage_image(input, image++);
        }
    }
}

void FrameRender::stage_layer(int input, std::vector<PF_EffectWorld*>& input_worlds) {
    const int slot = definition_.input_slots[static_cast<std::size_t>(input)];
    const ParamDef& def = definition_.params[slot];
    PF_EffectWorld* world = input_worlds[static_cast<std::size_t>(input)];
    // A disabled or hidden layer stages nothing; the host's world is left as it is.
    if (sequence_.param_state[slot] >= 1 && def.flags != kAlwaysStagedLayerFlags) return;

    for (int earlier = 1; earlier < input; ++earlier) {
        if (world->data == nullptr || staged_from_[static_cast<std::size_t>(earlier)] != world->data) continue;
        frame_.inputs[input] = frame_.inputs[earlier];
        input_worlds[static_cast<std::size_t>(input)] = input_worlds[static_cast<std::size_t>(earlier)];
        staged_from_[static_cast<std::size_t>(input)] = world->data;
        return;
    }

    const HostPixelFormat format = format_of(world);
    InputImage& staged = frame_.inputs[input];
    staged = staged_layer_layout(format, world->width, world->height, world->origin_x, world->origin_y);
    staged.pixels = buffers_.allocate(staged_byte_size(staged));
    if (staged.pixels == nullptr) {
        staged = InputImage{};
        staged.bits_per_channel = 8;
        if (status_ == PF_Err_NONE) status_ = PF_Err_OUT_OF_MEMORY;
        return;
    }
    staged_from_[static_cast<std::size_t>(input)] = world->data;

    // The first failing conversion decides the frame's status; later inputs are not
    // converted over it.
    if (!definition_.settings.noinput && input < frame_.upload_count && status_ == PF_Err_NONE) {
        PF_EffectWorld destination = staged_world(staged);
        PixelConversion job{in_, world, &destination};
        status_ = rows_.run(world->height, job, upload_converter(format));
    }

    if (effective_range() > 0 && input == 0 && is_float_world_format(format) && !definition_.settings.noinput) {
        const ValueRange range = scan_float_range(*world);
        frame_.range_min = range.min;
        frame_.range_max = range.max;
    } else {
        frame_.range_min = 0.0f;
        frame_.range_max = 1.0f;
    }
}

void FrameRender::stage_image(int input, int image) {
    if (image >= kSequenceImages) return;
    const ImageHolder* holder = sequence_.images[image];
    if (holder == nullptr || holder->full.empty()) return;
    const Image& picture = holder->full;
    const std::size_t needed = static_cast<std::size_t>(picture.width) * picture.height * picture.channels;
    if ((picture.channels != 3 && picture.channels != 4) || picture.pixels.size() < needed) return;
    // The holder keeps the picture; the frame only borrows it.
    frame_.inputs[input] = staged_image_layout(static_cast<int>(picture.width), static_cast<int>(picture.height),
                                               picture.channels, const_cast<std::uint8_t*>(picture.pixels.data()));
    const bool ranged = effective_range() > 0 && !definition_.settings.noinput;
    frame_.range_min = ranged ? holder->min_sample : 0.0f;
    frame_.range_max = ranged ? holder->max_sample : 1.0f;
}

bool FrameRender::stage_output(PF_EffectWorld* output_world) {
    output_format_ = format_of(output_world);
    frame_.output = staged_output_layout(output_world->width, output_world->height);
    frame_.output.pixels = buffers_.allocate(staged_byte_size(frame_.output));
    if (frame_.output.pixels == nullptr) {
        frame_.output = InputImage{};
        return false;
    }
    return true;
}

bool FrameRender::uploads(int input) const {
    const int slot = definition_.input_slots[static_cast<std::size_t>(input)];
    return sequence_.param_state[slot] <= 0 || definition_.params[slot].flags == kAlwaysStagedLayerFlags;
}

void FrameRender::apply_texts(GlRenderer& renderer) {
    if (global_.texts_dirty == 0 && global_.last_sequence == &sequence_) return;
    const int count = std::clamp(definition_.settings.param_count, 0, kSlotCount);
    for (int slot = 0; slot < count; ++slot) {
        const ParamDef& def = definition_.params[slot];
        if (!edits_text(def)) continue;
        const char* text = sequence_.texts[text_index(def)];
        if (text != nullptr && text[0] != '\0') renderer.set_define(def.param.str(), text);
    }
    renderer.build_programs();
    global_.texts_dirty = 0;
}

void FrameRender::draw(PF_EffectWorld* output_world) {
    GlRenderer* renderer = global_.renderer;
    if (renderer == nullptr || definition_.settings.usegpu <= 0) {
        status_ = PF_Err_INTERNAL_STRUCT_DAMAGED;
        return;
    }
    AttachedFrame attached(*renderer, frame_);
    frame_.shader_errors = false;
    apply_texts(*renderer);
    global_.last_sequence = &sequence_;
    if (frame_.shader_errors) {
        report_shader_status(*renderer, out_, false, in_);
        // The log is the user's only clue why the frame failed: the host must show it.
        out_->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
        status_ = PF_Err_INTERNAL_STRUCT_DAMAGED;
        return;
    }
    const int count = std::min(frame_.upload_count, static_cast<int>(staged_from_.size()));
    for (int input = 0; input < count; ++input) {
        if (uploads(input)) renderer->upload_input(frame_.inputs[input], input);
    }
    if (!renderer->run_all_passes()) {
        status_ = PF_Err_INTERNAL_STRUCT_DAMAGED;
        return;
    }
    status_ = in_->inter.abort(in_->effect_ref);
    if (status_ != PF_Err_NONE) return;
    const int last = std::clamp(definition_.settings.pass_count - 1, 0, kPassSlots - 1);
    const int target = definition_.settings.pass_output[last];
    // An 8-bit world from an 8-bit target takes the stored bytes as they are: reading
    // them as floats and rounding back gives the same bytes at several times the cost.
    // The float staging buffer has room for them.
    const PixelRowConverter bytes_download = byte_download_converter(output_format_);
    const bool as_bytes = bytes_download != nullptr && renderer->read_back_bytes(target, frame_.output);
    // A read-back fills every pixel the download reads, so the buffer is cleared only when
    // none happened: the host then gets a transparent frame, never stale memory. Clearing
    // it on every frame cost more than the read-back.
    if (!as_bytes && !renderer->read_back(target, frame_.output)) clear_staged_pixels(frame_.output);

    PF_EffectWorld source = staged_world(frame_.output);
    PixelConversion job{in_, &source, output_world};
    status_ = rows_.run(output_world->height, job, as_bytes ? bytes_download : download_converter(output_format_));
}

PF_Err FrameRender::run(std::vector<PF_EffectWorld*>& input_worlds, PF_EffectWorld* output_world) {
    fill_frame_facts();
    stage_inputs(input_worlds);
    if (output_world == nullptr) return status_ == PF_Err_NONE ? PF_Err_BAD_CALLBACK_PARAM : status_;
    if (!stage_output(output_world) && status_ == PF_Err_NONE) status_ = PF_Err_OUT_OF_MEMORY;
    if (status_ != PF_Err_NONE) return status_;
    status_ = in_->inter.abort(in_->effect_ref);
    if (status_ == PF_Err_NONE) draw(output_world);
    return status_;
}

}  // namespace

PF_Err render_frame(PF_InData* in_data, PF_OutData* out_data, FrameParams& frame,
                    std::vector<PF_EffectWorld*>& input_worlds, PF_EffectWorld* output_world) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    std::lock_guard<std::mutex> lock(process_mutex());
    LockedRecord<GlobalState> global(in_data, in_data->global_data);
    FrameSequence sequence(in_data, out_data);
    PF_Err status = sequence.status();
    GlobalState* state = global.get();
    if (state == nullptr || sequence.get() == nullptr || state->world_suite == nullptr ||
        (is_premiere_pro(in_data) && state->pixel_format_suite == nullptr))
        return status;
    // Whatever fails inside ends the frame with the status reached so far; the buffers,
    // the locks and the renderer's frame are released by their owners on the way out.
    std::optional<FrameRender> render;
    try {
        render.emplace(in_data, out_data, frame, *state, *sequence.get(), status);
        return render->run(input_worlds, output_world);
    } catch (...) {
        return render ? render->status() : status;
    }
}

}  // namespace fx
