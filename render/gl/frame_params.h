#pragma once

#include <cstdint>

#include "render/gl/input_image.h"

namespace fx {

inline constexpr int kFrameParamSlots = 256;
inline constexpr int kFrameInputSlots = 32;
inline constexpr int kFrameSpecialInts = 32;

// The per-render parameter block: filled by the render drivers from the checked-out
// parameters, completed and consumed by the frame render. Lives for one render call.
struct FrameParams {
    float scale = 1.0f;                  // resolution factor of every pass but the last
    float pointer[2] = {0.0f, 0.0f};     // value of the "mouse" uniform
    std::int32_t smooth = -1;            // below 0: the definition's setting
    std::int32_t range = -1;             // below 0: the definition's setting
    std::int32_t repeat = -1;            // below 0: the definition's setting
    std::int32_t time_offset_scale = 0;  // multiplier for layer time offsets
    std::int32_t special_ints[kFrameSpecialInts] = {};
    float values[kFrameParamSlots][4] = {};  // per definition slot, up to four floats
    double time_seconds = 0.0;
    bool shader_errors = false;
    float downsample[2] = {1.0f, 1.0f};    // host downsample factors x, y
    float pixel_aspect[2] = {1.0f, 1.0f};  // numerator, denominator
    float range_min = 0.0f;                // value range of the current input
    float range_max = 1.0f;
    InputImage inputs[kFrameInputSlots];
    InputImage output;
    std::int32_t force_target_realloc = 1;  // 1: every pass re-specifies its target storage
    std::int32_t iterations = 1;            // repeat count for looping pass pairs
    std::int32_t upload_count = 0;          // input slots to convert and upload; 0 means all

    FrameParams() {
        // Inputs that are never staged still describe themselves as 8-bit.
        for (InputImage& input : inputs) input.bits_per_channel = 8;
    }
};

}  // namespace fx
