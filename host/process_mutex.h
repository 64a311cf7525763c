#pragma once
// The one process-wide lock: it serialises the sequence commands, the Options command's
// definition reload and every frame render, since all of them read or replace the same
// sequence data and share one OpenGL context. Not recursive: no handler takes it twice.

#include <mutex>

namespace fx {

std::mutex& process_mutex() noexcept;

}  // namespace fx
