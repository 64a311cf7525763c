#include "render/shader_status_report.h"

#include <cstring>
#include <string>

#include "AE_EffectCB.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx {
namespace {

constexpr std::size_t kStatusMessageLimit = 200;

}  // namespace

bool report_shader_status(GlRenderer& renderer, PF_OutData* out_data, bool rebuild, const PF_InData* in_data) {
    const ShaderStatus status = renderer.shader_status(rebuild);
    std::string message = status.clean ? shader_builtin_text(ShaderBuiltinText::shader_confirmation) : status.log;
    if (message.size() > kStatusMessageLimit) message.resize(kStatusMessageLimit);
    if (out_data != nullptr) {
        auto* host_strcpy = in_data != nullptr && in_data->utils != nullptr ? in_data->utils->ansi.strcpy : nullptr;
        if (host_strcpy != nullptr) {
            host_strcpy(out_data->return_msg, message.c_str());
        } else {
            std::memcpy(out_data->return_msg, message.c_str(), message.size() + 1);
        }
    }
    return status.clean;
}

}  // namespace fx
