#include "simhost/sim_host.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "simhost/frame_job.h"
#include "simhost/host_pieces.h"
#include "simhost/recorded_call.h"

namespace fx {
namespace {

std::atomic<SimHost*> g_active{nullptr};

// Texts a parameter points to belong to the plug-in; the host keeps its own copy and
// points its record at that copy, as the real host does when it takes a parameter over.
const A_char** text_of(PF_ParamDef& def) {
    switch (def.param_type) {
        case PF_Param_POPUP:
            return &def.u.pd.u.namesptr;
        case PF_Param_BUTTON:
            return &def.u.button_d.u.namesptr;
        case PF_Param_CHECKBOX:
            return &def.u.bd.u.nameptr;
        default:
            return nullptr;
    }
}

}  // namespace

SimHost::SimHost(HostSettings settings) : settings_(settings) {
    basic_ = make_basic_suite();
    utils_ = make_util_callbacks();
    inter_ = make_interact_callbacks();
    install_standard_suites(suites_);
    input_layer_.param_type = PF_Param_LAYER;
    previous_ = g_active.exchange(this);
}

SimHost::~SimHost() {
    SimHost* expected = this;
    g_active.compare_exchange_strong(expected, previous_);
    for (auto& [block, size] : blocks_) std::free(block);
}

SimHost& SimHost::active() {
    SimHost* host = g_active.load();
    if (host == nullptr) {
        std::fprintf(stderr, "SimHost::active: a host callback was called while no SimHost exists\n");
        std::abort();
    }
    return *host;
}

PF_InData SimHost::make_in_data(PF_Handle global_data, PF_Handle sequence_data) {
    PF_InData in{};
    in.inter = inter_;
    in.utils = &utils_;
    in.effect_ref = effect_ref();
    in.quality = PF_Quality_HI;
    in.version.major = settings_.version_major;
    in.version.minor = settings_.version_minor;
    in.appl_id = is_premiere() ? kPremiereProApplId : kAfterEffectsApplId;
    in.num_params = param_count();
    in.current_time = settings_.current_time;
    in.time_step = settings_.time_step;
    in.local_time_step = settings_.time_step;
    in.total_time = settings_.total_time;
    in.time_scale = settings_.time_scale;
    in.field = PF_Field_FRAME;
    in.width = settings_.width;
    in.height = settings_.height;
    in.extent_hint = {0, 0, settings_.width, settings_.height};
    in.downsample_x = settings_.downsample_x;
    in.downsample_y = settings_.downsample_y;
    in.pixel_aspect_ratio = settings_.pixel_aspect_ratio;
    in.global_data = global_data;
    in.sequence_data = sequence_data;
    in.pica_basicP = &basic_;
    return in;
}

PF_OutData SimHost::make_out_data(PF_Handle global_data, PF_Handle sequence_data) {
    PF_OutData out{};
    out.global_data = global_data;
    out.sequence_data = sequence_data;
    return out;
}

std::vector<AddedParam> SimHost::added_params() const {
    std::lock_guard lock(mutex_);
    std::vector<AddedParam> copies;
    for (const auto& param : params_) copies.push_back(*param);
    return copies;
}

std::vector<PF_ParamDef*> SimHost::param_list() {
    std::lock_guard lock(mutex_);
    std::vector<PF_ParamDef*> list{&input_layer_};
    for (auto& param : params_) list.push_back(&param->def);
    return list;
}

A_long SimHost::param_count() const {
    std::lock_guard lock(mutex_);
    return static_cast<A_long>(params_.size() + 1);
}

int SimHost::checked_out_params() const {
    std::lock_guard lock(mutex_);
    return checked_out_;
}

std::vector<PF_CustomUIInfo> SimHost::registered_ui() const {
    std::lock_guard lock(mutex_);
    return registered_ui_;
}

void SimHost::set_abort_result(PF_Err result) {
    std::lock_guard lock(mutex_);
    abort_result_ = result;
}

PF_Err SimHost::abort_result() const {
    std::lock_guard lock(mutex_);
    return abort_result_;
}

void SimHost::set_unmodelled_result(int code) {
    std::lock_guard lock(mutex_);
    unmodelled_result_ = code;
}

int SimHost::unmodelled_result() const {
    std::lock_guard lock(mutex_);
    return unmodelled_result_;
}

std::vector<PF_PixelFormat> SimHost::supported_pixel_formats() const {
    std::lock_guard lock(mutex_);
    return pixel_formats_;
}

void SimHost::set_last_script(std::string script, ScriptOutcome outcome) {
    std::lock_guard lock(mutex_);
    last_script_ = std::move(script);
    last_script_outcome_ = std::move(outcome);
}

std::string SimHost::last_script() const {
    std::lock_guard lock(mutex_);
    return last_script_;
}

ScriptOutcome SimHost::last_script_outcome() const {
    std::lock_guard lock(mutex_);
    return last_script_outcome_;
}

std::size_t SimHost::open_blocks() const {
    std::lock_guard lock(mutex_);
    return blocks_.size();
}

std::vector<std::string> SimHost::misuses() const {
    std::vector<std::string> all;
    {
        std::lock_guard lock(mutex_);
        all = misuses_;
    }
    for (std::string& m : handles_.misuses()) all.push_back(std::move(m));
    for (std::string& m : suites_.misuses()) all.push_back(std::move(m));
    for (std::string& m : streams_.misuses()) all.push_back(std::move(m));
    for (std::string& m : mem_handles_.misuses()) all.push_back(std::move(m));
    return all;
}

int SimHost::fault_for(std::string_view source, std::string_view name) {
    const int suite_failure = suites_.failure_of(source);
    // Both spellings are counted on every call, even when the suite fails anyway, so that
    // call numbers do not depend on other rules.
    const int by_source = faults_.on_call(std::string(source) + "/" + std::string(name));
    const int by_name = faults_.on_call(name);
    if (suite_failure != 0) return suite_failure;
    return by_source != 0 ? by_source : by_name;
}

void SimHost::record(std::string_view source, std::string_view name, std::string args, int result) {
    log_.record(std::string(source), std::string(name), std::move(args), result);
}

bool SimHost::effect_ref_ok(PF_ProgPtr ref, std::string_view name) {
    if (ref == effect_ref()) return true;
    note_misuse(std::string(name) + ": effect_ref " + pointer_text(ref) + " is not the one in in_data (" +
                pointer_text(effect_ref()) + ")");
    return false;
}

void SimHost::note_misuse(std::string text) {
    std::lock_guard lock(mutex_);
    misuses_.push_back(std::move(text));
}

PF_Err SimHost::add_param(PF_ParamIndex index, const PF_ParamDef& def) {
    std::lock_guard lock(mutex_);
    const auto count = static_cast<PF_ParamIndex>(params_.size() + 1);
    // Parameters are appended: index -1, or the next index spelled out.
    if (index != -1 && index != count) return PF_Err_INVALID_INDEX;
    auto param = std::make_unique<AddedParam>();
    param->def = def;
    param->id = def.uu.id;
    if (const A_char** text = text_of(param->def); text != nullptr && *text != nullptr) {
        param->items = *text;
        *text = param->items.c_str();
    }
    params_.push_back(std::move(param));
    return PF_Err_NONE;
}

PF_ParamDef SimHost::param_at(PF_ParamIndex index, A_long time) const {
    PF_ParamDef def{};
    {
        std::lock_guard lock(mutex_);
        if (index < 0 || static_cast<std::size_t>(index) > params_.size()) return def;
        def = index == 0 ? input_layer_ : params_[static_cast<std::size_t>(index) - 1]->def;
    }
    if (def.param_type == PF_Param_LAYER) {
        def.u.ld = PF_LayerDef{};
        return def;
    }
    if (def.param_type == PF_Param_POINT) {
        // A point's default is registered in percent of the layer; the host hands the
        // value out in layer pixels.
        const auto percent_to_pixels = [](PF_Fixed percent, A_long size) {
            return static_cast<PF_Fixed>(static_cast<double>(percent) * size / 100.0);
        };
        def.u.td.x_value = percent_to_pixels(def.u.td.x_dephault, settings_.width);
        def.u.td.y_value = percent_to_pixels(def.u.td.y_dephault, settings_.height);
    }
    if (const auto value = values_.at(index, time)) {
        // The texts the record points to stay the host's own copies.
        const PF_ParamDefUnion registered = def.u;
        def.u = *value;
        if (def.param_type == PF_Param_POPUP) def.u.pd.u.namesptr = registered.pd.u.namesptr;
        if (def.param_type == PF_Param_CHECKBOX) def.u.bd.u.nameptr = registered.bd.u.nameptr;
        if (def.param_type == PF_Param_BUTTON) def.u.button_d.u.namesptr = registered.button_d.u.namesptr;
    }
    return def;
}

std::shared_ptr<HostWorld> SimHost::layer_world(PF_ParamIndex index, A_long time) {
    const std::shared_ptr<const Clip> clip = clips_.clip(index);
    const Picture* picture = clip ? clip->at(time, settings_.time_step) : nullptr;
    if (picture == nullptr) return nullptr;
    const WorldShape shape{settings_.pixel_format, settings_.row_padding, settings_.layer_origin_x,
                           settings_.layer_origin_y};
    return layer_worlds_.world(clip, picture, shape, [&] {
        auto world = std::make_shared<HostWorld>(shape.format, picture->width, picture->height, shape.row_padding,
                                                 shape.origin_x, shape.origin_y);
        world->fill(*picture);
        return world;
    });
}

std::size_t SimHost::checked_out_layers() const {
    std::lock_guard lock(mutex_);
    return checked_out_layers_.size();
}

int SimHost::iterate_rows(int rows, const std::function<int(int, int)>& fn) {
    RowThreadPool* pool = nullptr;
    {
        std::lock_guard lock(mutex_);
        const int threads = std::max(settings_.iterate_threads, 1);
        auto& slot = row_pools_[threads];
        if (!slot) slot = std::make_unique<RowThreadPool>(threads);
        pool = slot.get();
    }
    return pool->run(rows, fn);
}

PF_Err SimHost::checkout_param(PF_ParamIndex index, A_long time, PF_ParamDef* param) {
    if (index < 0 || index >= param_count()) return PF_Err_INVALID_INDEX;
    *param = param_at(index, time);
    std::shared_ptr<HostWorld> world;
    if (param->param_type == PF_Param_LAYER) {
        // Within a frame the layer is made once, whoever asks for it.
        FrameJob* job = current_frame_job();
        world = job != nullptr && &job->host() == this ? job->rendered_layer(index, time) : layer_world(index, time);
    }
    std::lock_guard lock(mutex_);
    if (world) {
        param->u.ld = world->world();
        checked_out_layers_.emplace(world->world().data, std::move(world));
    }
    ++checked_out_;
    return PF_Err_NONE;
}

PF_Err SimHost::checkin_param(const PF_ParamDef* param) {
    std::lock_guard lock(mutex_);
    if (param == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    if (checked_out_ == 0) {
        misuses_.push_back("checkin_param: nothing is checked out");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    --checked_out_;
    if (param->param_type == PF_Param_LAYER && param->u.ld.data != nullptr) {
        const auto held = checked_out_layers_.find(param->u.ld.data);
        if (held != checked_out_layers_.end()) checked_out_layers_.erase(held);
    }
    return PF_Err_NONE;
}

PF_Err SimHost::update_param_ui(PF_ParamIndex index, const PF_ParamDef& def) {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<std::size_t>(index) > params_.size()) return PF_Err_INVALID_INDEX;
    PF_ParamDef& target = index == 0 ? input_layer_ : params_[static_cast<std::size_t>(index) - 1]->def;
    if (def.param_type != target.param_type) {
        misuses_.push_back("PF_UpdateParamUI: parameter " + std::to_string(index) + " has type " +
                           std::to_string(target.param_type) + ", the record passed has type " +
                           std::to_string(def.param_type));
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const A_char** text = text_of(target);
    const A_char* kept_text = text != nullptr ? *text : nullptr;
    target.ui_flags = def.ui_flags;
    target.uu.change_flags = def.uu.change_flags;
    target.u = def.u;
    if (text != nullptr) *text = kept_text;
    return PF_Err_NONE;
}

std::string SimHost::stream_name(PF_ParamIndex index) const {
    if (auto name = streams_.state(index).name) return *name;
    std::lock_guard lock(mutex_);
    if (index < 1 || static_cast<std::size_t>(index) > params_.size()) return "";
    return params_[static_cast<std::size_t>(index) - 1]->def.name;
}

void SimHost::register_ui(const PF_CustomUIInfo& info) {
    std::lock_guard lock(mutex_);
    registered_ui_.push_back(info);
}

void SimHost::add_pixel_format(PF_PixelFormat format) {
    std::lock_guard lock(mutex_);
    pixel_formats_.push_back(format);
}

void SimHost::clear_pixel_formats() {
    std::lock_guard lock(mutex_);
    pixel_formats_.clear();
}

void SimHost::set_instance_sequence_data(PF_Handle handle) {
    std::lock_guard lock(mutex_);
    instance_sequence_data_ = handle;
}

PF_Handle SimHost::instance_sequence_data() const {
    std::lock_guard lock(mutex_);
    return instance_sequence_data_;
}

std::vector<std::string> SimHost::aegp_plugins() const {
    std::lock_guard lock(mutex_);
    return aegp_plugins_;
}

A_long SimHost::register_aegp_plugin(std::string name) {
    std::lock_guard lock(mutex_);
    aegp_plugins_.push_back(std::move(name));
    return static_cast<A_long>(aegp_plugins_.size());
}

void SimHost::track_block(void* block, std::size_t size) {
    std::lock_guard lock(mutex_);
    blocks_[block] = size;
}

bool SimHost::untrack_block(void* block) {
    std::lock_guard lock(mutex_);
    return blocks_.erase(block) != 0;
}

}  // namespace fx
