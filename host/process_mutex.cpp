#include "host/process_mutex.h"

namespace fx {
namespace {

// Constant-initialised, so it exists before the host can make any call into the library
// and lives until the library is unloaded.
std::mutex the_process_mutex;

}  // namespace

std::mutex& process_mutex() noexcept { return the_process_mutex; }

}  // namespace fx
