#include "interactive/image_loading.h"

#include <cctype>
#include <mutex>

#include "AE_AdvEffectSuites.h"
#include "AE_EffectCB.h"
#include "definition/effect_definition.h"
#include "host/global_state.h"
#include "host/image_records.h"
#include "host/suite_scope.h"
#include "interactive/image_reference.h"
#include "interactive/image_siblings.h"
#include "interactive/image_thumbnail.h"
#include "interactive/jpeg_decoder.h"
#include "interactive/png_decoder.h"

namespace fx {
namespace {

// Loads come from the user-interface thread and from sequence set-up; the lock keeps two
// of them from filling one holder at once. It is separate from the process mutex, which
// sequence set-up already holds when it loads.
std::mutex& image_lock() {
    static std::mutex lock;
    return lock;
}

std::string lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The lowercase text after the path's last "."; the whole path when there is none or it
// is the first character.
std::string extension_of(const std::string& path) {
    const std::string lower = lowercase(path);
    const std::size_t dot = lower.rfind('.');
    return dot == std::string::npos || dot == 0 ? lower : lower.substr(dot + 1);
}

int decode(const std::string& path, Image& image) {
    const std::string extension = extension_of(path);
    if (extension.find("jp") != std::string::npos) return DecodeJpeg(path, image);
    if (extension.find("png") != std::string::npos) return DecodePng(path, image, true);
    image = Image{};
    return -1;
}

// "PF AE Adv App Suite" for the span of one load.
class AdvAppSuite {
public:
    AdvAppSuite(const PF_InData* in_data, PF_OutData* out_data) : in_data_(in_data), out_data_(out_data) {
        const void* suite = nullptr;
        if (acquire_scoped_suite(in_data, out_data, kPFAdvAppSuite, kPFAdvAppSuiteVersion1, nullptr, &suite) ==
            PF_Err_NONE)
            suite_ = static_cast<const PF_AdvAppSuite1*>(suite);
    }
    ~AdvAppSuite() {
        if (suite_ != nullptr)
            release_scoped_suite(in_data_, out_data_, kPFAdvAppSuite, kPFAdvAppSuiteVersion1, nullptr);
    }
    AdvAppSuite(const AdvAppSuite&) = delete;
    AdvAppSuite& operator=(const AdvAppSuite&) = delete;

    void set_project_dirty() const {
        if (suite_ != nullptr && suite_->PF_SetProjectDirty != nullptr) suite_->PF_SetProjectDirty();
    }

private:
    const PF_InData* in_data_;
    PF_OutData* out_data_;
    const PF_AdvAppSuite1* suite_ = nullptr;
};

void mark_texts_dirty(const PF_InData* in_data) {
    if (in_data->utils == nullptr || in_data->global_data == nullptr) return;
    auto* global = static_cast<GlobalState*>(in_data->utils->host_lock_handle(in_data->global_data));
    if (global == nullptr) return;
    global->texts_dirty = 1;
    in_data->utils->host_unlock_handle(in_data->global_data);
}

void load_locked(SequenceState& state, ImageHolder& holder, const std::string& text, PF_InData* in_data,
                 PF_OutData* out_data, int index) {
    AdvAppSuite app(in_data, out_data);
    std::string stored = clean_reference(text);
    ImageReference reference = split_reference(stored);
    if (!stored.empty() && !image_file_exists(reference.path))
        relocate(reference, stored, folder_entries(known_folders()));

    holder.siblings = sibling_pictures(browse_folder(reference.path, reference.browse));
    holder.sibling_index = sibling_position(holder.siblings, reference.path);

    const EffectSettings& settings = effect_definition().settings;
    const ThumbnailSize size{std::max(settings.imgwidth, 1), std::max(settings.imgheight, 1), settings.imgscale};
    if (decode(reference.path, holder.full) < 0) holder.full = placeholder_picture(size.width, size.height);
    build_thumbnail(holder, size);

    char* kept = new_text(stored);
    free_text(state.image_paths[index]);
    state.image_paths[index] = kept;

    app.set_project_dirty();
    mark_texts_dirty(in_data);
    // The panel is redrawn with the new thumbnail. A message reported above (a suite
    // the host refused) keeps its flag, or the host would never show it.
    out_data->out_flags = PF_OutFlag_REFRESH_UI | (out_data->out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE);
}

}  // namespace

void LoadImage(SequenceState& state, const std::string& reference, PF_InData* in_data, PF_OutData* out_data,
               PF_ParamDef*[], int index) {
    if (index < 0 || index >= kSequenceImages || in_data == nullptr || out_data == nullptr) return;
    ImageHolder* holder = state.images[index];
    if (holder == nullptr) return;
    const char* current = state.image_paths[index];
    if (current != nullptr && reference == current && !holder->full.empty()) return;
    const std::lock_guard<std::mutex> lock(image_lock());
    try {
        load_locked(state, *holder, reference, in_data, out_data, index);
    } catch (...) {
        // A load that cannot finish (no memory for the picture) leaves the parameter as it
        // was; the host must not see an exception.
    }
}

}  // namespace fx
