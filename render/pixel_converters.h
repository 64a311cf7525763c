#pragma once

#include "AE_Effect.h"
#include "render/gl/input_image.h"
#include "render/host_pixel_format.h"

namespace fx {

// The refcon every row converter receives: the host's in_data (for its abort callback)
// and the two worlds. Upload converters read a host world and write a staged one;
// download converters read the staged float world and write the host world.
struct PixelConversion {
    PF_InData* in_data = nullptr;
    const PF_EffectWorld* source = nullptr;
    PF_EffectWorld* destination = nullptr;
};

// The row function the host's iterate_generic runs: converts row `row` of the
// conversion's worlds. On thread 0 it first asks the host's abort callback, converts the
// row regardless and returns the callback's answer; other threads return 0. Rows are
// independent, so the host may run different rows on different threads.
using PixelRowConverter = PF_Err (*)(void* refcon, A_long thread_index, A_long row, A_long row_count);

// Converters of a host format; null for a format that gets no conversion.
PixelRowConverter upload_converter(HostPixelFormat format);
PixelRowConverter download_converter(HostPixelFormat format);
// For the 8-bit formats: a download from a staged 8-bit RGBA picture (the renderer's
// byte read-back), which only reorders the bytes. Null for the other formats.
PixelRowConverter byte_download_converter(HostPixelFormat format);

// Describes a staged picture as a world so that the converters can read or write it.
PF_EffectWorld staged_world(const InputImage& image);

// Runs `converter` over rows 0 .. row_count − 1 in order as thread 0 and stops at the
// first non-zero result: for hosts whose iteration suite has no iterate_generic.
PF_Err iterate_rows_in_order(A_long row_count, void* refcon, PixelRowConverter converter);

}  // namespace fx
