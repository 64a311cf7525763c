#include "simhost/fxhost/picture_choice.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "host/image_records.h"
#include "host/sequence_state.h"
#include "interactive/image_thumbnail.h"
#include "platform/dialog_answers.h"
#include "platform/environment_variable.h"

namespace fx::fxhost {
namespace {

// An answers file holding one line, removed with the object.
class OneAnswer {
public:
    explicit OneAnswer(const std::string& line) {
        std::string pattern = (std::filesystem::temp_directory_path() / "fxhost-answer-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0) throw std::runtime_error("cannot create an answers file in " + pattern);
        path_ = pattern;
        const std::string text = line + "\n";
        const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(fd);
        if (!written) {
            std::remove(path_.c_str());
            throw std::runtime_error("cannot write the answers file " + path_);
        }
    }
    ~OneAnswer() { std::remove(path_.c_str()); }
    OneAnswer(const OneAnswer&) = delete;
    OneAnswer& operator=(const OneAnswer&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Names `path` as the answers file while it lives, then puts back what was named.
class AnswersNamed {
public:
    explicit AnswersNamed(const std::string& path)
        : before_(platform::environment_variable(platform::kDialogAnswersVariable)) {
        platform::set_environment_variable(platform::kDialogAnswersVariable, path);
    }
    ~AnswersNamed() { platform::restore_environment_variable(platform::kDialogAnswersVariable, before_); }
    AnswersNamed(const AnswersNamed&) = delete;
    AnswersNamed& operator=(const AnswersNamed&) = delete;

private:
    std::optional<std::string> before_;
};

}  // namespace

CommandResult choose_picture(LoadedPlugin& plugin, PF_ParamIndex index, const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    // An absolute path is never mistaken for a comment or "cancel"; a line break could
    // not be answered at all.
    const std::string answer = absolute.empty() ? path : absolute.string();
    if (answer.find_first_of("\r\n") != std::string::npos)
        throw std::runtime_error(path + ": a path with a line break cannot be chosen in the file dialog");
    const OneAnswer file(answer);
    const AnswersNamed named(file.path());
    PF_UserChangedParamExtra extra{};
    extra.param_index = index;
    return plugin.call(PF_Cmd_USER_CHANGED_PARAM, &extra);
}

bool shows_placeholder(SimHost& host, const LoadedPlugin& plugin, int image_index, int width, int height) {
    const PF_Handle handle = plugin.sequence_data();
    const auto* state = static_cast<const SequenceState*>(handle != nullptr ? host.handles().lock(handle) : nullptr);
    if (state == nullptr) return false;
    bool placeholder = false;
    if (state->is_flat == 0 && image_index >= 0 && image_index < kSequenceImages &&
        state->images[image_index] != nullptr) {
        const Image& full = state->images[image_index]->full;
        const Image checker = placeholder_picture(width, height);
        placeholder = full.width == checker.width && full.height == checker.height &&
                      full.channels == checker.channels && full.pixels == checker.pixels;
    }
    host.handles().unlock(handle);
    return placeholder;
}

std::string image_reference(SimHost& host, const LoadedPlugin& plugin, int image_index) {
    const PF_Handle handle = plugin.sequence_data();
    const auto* state = static_cast<const SequenceState*>(handle != nullptr ? host.handles().lock(handle) : nullptr);
    if (state == nullptr) return "";
    std::string reference;
    if (state->is_flat == 0 && image_index >= 0 && image_index < kSequenceImages &&
        state->image_paths[image_index] != nullptr)
        reference = state->image_paths[image_index];
    host.handles().unlock(handle);
    return reference;
}

}  // namespace fx::fxhost
