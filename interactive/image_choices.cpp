#include <algorithm>

#include "host/image_records.h"
#include "interactive/image_loading.h"
#include "interactive/image_reference.h"
#include "platform/file_dialog.h"
#include "platform/file_filters.h"

namespace fx {

std::optional<std::string> sibling_to_step_to(const ImageHolder& holder, bool forward) {
    const auto count = static_cast<std::int64_t>(holder.siblings.size());
    if (count == 0) return std::nullopt;
    const std::int64_t next = (std::int64_t{holder.sibling_index} + (forward ? 1 : -1)) % count;
    return holder.siblings[static_cast<std::size_t>(next < 0 ? next + count : next)];
}

std::string image_dialog_start(const ImageHolder& holder) {
    if (holder.siblings.empty() || !image_file_exists(holder.siblings.front())) return {};
    const std::string& first = holder.siblings.front();
    return first.substr(0, first.find_last_of("/\\") + 1) + "*.*";
}

std::optional<std::string> choose_image_file(const std::string& start) {
    auto path = platform::FileDialog(platform::FileDialogAction::open, start, "",
                                     platform::ParseFilters("Images:png,jpg,jpeg"));
    if (!path || path->empty()) return std::nullopt;
    return path;
}

}  // namespace fx
