#include "simhost/script_engine.h"

#include <duktape.h>

#include <memory>

namespace fx {
namespace {

struct HeapRelease {
    void operator()(duk_context* ctx) const noexcept { duk_destroy_heap(ctx); }
};

}  // namespace

ScriptOutcome run_script(std::string_view source) {
    std::unique_ptr<duk_context, HeapRelease> heap(duk_create_heap_default());
    if (!heap) return {false, "run_script: the script engine could not create its heap"};
    duk_context* ctx = heap.get();
    // The text is handed over with its length: a NUL inside a script is the script's own.
    const bool ok = duk_peval_lstring(ctx, source.data(), source.size()) == 0;
    if (ok && duk_is_undefined(ctx, -1)) return {true, ""};
    // safe_to_string also turns an error object whose toString throws into a text.
    return {ok, duk_safe_to_string(ctx, -1)};
}

}  // namespace fx
