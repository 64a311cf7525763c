#include "simhost/saved_project.h"

#include <cstring>

namespace fx {

std::vector<std::uint8_t> handle_bytes(SimHost& host, PF_Handle handle) {
    const auto size = host.handles().size(handle);
    if (!size) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    if (const void* data = host.handles().lock(handle)) {
        if (!bytes.empty()) std::memcpy(bytes.data(), data, bytes.size());
        host.handles().unlock(handle);
    }
    return bytes;
}

ProjectSave save_project(SimHost& host, LoadedPlugin& plugin) {
    ProjectSave save{plugin.call(PF_Cmd_SEQUENCE_FLATTEN), std::nullopt};
    const PF_Handle flat = plugin.sequence_data();
    host.record("host", "save project", pointer_text(flat), save.flatten.result);
    if (save.flatten.result == PF_Err_NONE && flat != nullptr) save.sequence_data = handle_bytes(host, flat);
    return save;
}

CommandResult reopen_project(SimHost& host, LoadedPlugin& plugin, const std::vector<std::uint8_t>& sequence_data) {
    const PF_Handle saved = host.handles().create(sequence_data.size());
    if (saved != nullptr && !sequence_data.empty()) {
        std::memcpy(host.handles().lock(saved), sequence_data.data(), sequence_data.size());
        host.handles().unlock(saved);
    }
    host.record("host", "reopen project", std::to_string(sequence_data.size()) + " bytes", 0);
    plugin.set_sequence_data(saved);
    return plugin.call(PF_Cmd_SEQUENCE_RESETUP);
}

}  // namespace fx
