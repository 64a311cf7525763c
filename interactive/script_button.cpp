#include "interactive/script_button.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "host/host_message.h"

namespace fx {
namespace {

constexpr std::string_view kParamsCall = "getParams();";
constexpr std::size_t kScriptBufferSize = 32000;

// General notation with 6 significant digits, as a standard output stream writes doubles.
std::string number_text(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

void append_line(std::string& block, const ParamDef& slot, const char* suffix, const std::string& value) {
    block += "var ";
    block += slot.param.view();
    block += suffix;
    block += value;
    block += ";\n";
}

double fixed_to_pixels(PF_Fixed value) { return static_cast<double>(value) / 65536.0; }

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Values are read the way atoi and atof read them: leading number, 0 when there is none.
int integer_value(const std::string& text) { return std::atoi(text.c_str()); }
double decimal_value(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace

std::string script_variable_block(const PanelCommand& command) {
    std::string block;
    for (int j = 1; j < command.param_count; ++j) {
        const PF_ParamDef* p = command.param(j);
        if (p == nullptr) continue;
        const ParamDef& slot = command.slot(j);
        switch (slot.type) {
            case kParamInt:
            case kParamFloat:
                append_line(block, slot, "=", number_text(p->u.fs_d.value));
                break;
            case kParamCheck:
                append_line(block, slot, "=", p->u.bd.value != 0 ? "1" : "0");
                break;
            case kParamPopup:
                append_line(block, slot, "=", std::to_string(p->u.pd.value - 1));
                break;
            case kParamColor:
                append_line(block, slot, "_r=", std::to_string(p->u.cd.value.red));
                append_line(block, slot, "_g=", std::to_string(p->u.cd.value.green));
                append_line(block, slot, "_b=", std::to_string(p->u.cd.value.blue));
                break;
            case kParamAngle:
                append_line(block, slot, "=", std::to_string(static_cast<std::int16_t>(p->u.ad.value >> 16)));
                break;
            case kParamPoint:
            case kParamVec2:
                append_line(block, slot, "_x=", number_text(fixed_to_pixels(p->u.td.x_value)));
                append_line(block, slot, "_y=", number_text(fixed_to_pixels(p->u.td.y_value)));
                break;
            case kParamVec3:
                append_line(block, slot, "_x=", number_text(p->u.point3d_d.x_value));
                append_line(block, slot, "_y=", number_text(p->u.point3d_d.y_value));
                append_line(block, slot, "_z=", number_text(p->u.point3d_d.z_value));
                break;
            default:
                break;
        }
    }
    return block;
}

std::string substitute_params(std::string_view script, std::string_view block) {
    std::string out;
    for (std::size_t at = script.find(kParamsCall); at != std::string_view::npos; at = script.find(kParamsCall)) {
        out += script.substr(0, at);
        out += block;
        script.remove_prefix(at + kParamsCall.size());
    }
    out += script;
    return out;
}

void apply_script_result(PanelCommand& command, std::string_view result) {
    for (int j = 1; j < command.param_count; ++j) {
        PF_ParamDef* p = command.param(j);
        const ParamDef& slot = command.slot(j);
        if (p == nullptr || slot.param.empty()) continue;
        const std::string key = slot.param.str() + "=";
        const std::size_t at = result.find(key);
        if (at == std::string_view::npos) continue;
        std::string_view rest = result.substr(at + key.size());
        const std::string value(rest.substr(0, rest.find(';')));
        p->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
        switch (slot.type) {
            case kParamInt:
            case kParamFloat:
                p->u.fs_d.value = static_cast<double>(static_cast<float>(decimal_value(value)));
                break;
            case kParamAngle:
                // Whole degrees in 16.16 fixed point; the product wraps as the host's 32 bits do.
                p->u.ad.value = static_cast<PF_Fixed>(static_cast<std::uint32_t>(integer_value(value)) << 16);
                break;
            case kParamPopup:
                p->u.pd.value = integer_value(value) + 1;
                break;
            case kParamCheck:
                p->u.bd.value = integer_value(value) > 0 ? 1 : 0;
                break;
            default:
                break;
        }
    }
}

void RunScriptButton(PanelCommand& command, int index, int script_index) {
    const std::string script =
        substitute_params(command.definition.script_source[script_index].view(), script_variable_block(command));
    if (script.size() > kMaxScriptLength) {
        const std::string message = "Script button \"" + command.slot(index).display.str() + "\": the script is " +
                                    std::to_string(script.size()) +
                                    " characters long with the parameter values; at most " +
                                    std::to_string(kMaxScriptLength) + " fit, so it was not run.";
        report_host_message(command.in_data, command.out_data, message.c_str());
        return;
    }
    std::vector<char> buffer(kScriptBufferSize, '\0');
    std::memcpy(buffer.data(), script.data(), script.size());

    AEGP_MemHandle result_handle = nullptr;
    std::string result_text;
    HostCallChain& chain = command.chain;
    const AEGP_MemorySuite1* memory = nullptr;
    const bool ran = chain.call([&] {
        return command.suites.utility_suite11()->AEGP_ExecuteScript(0, buffer.data(), false, &result_handle, nullptr);
    });
    if (ran && result_handle != nullptr) {
        void* text = nullptr;
        const bool locked = chain.call([&] {
            memory = command.suites.memory_suite();
            return memory->AEGP_LockMemHandle(result_handle, &text);
        });
        if (locked && text != nullptr) result_text = static_cast<const char*>(text);
        if (locked) chain.release([&] { return memory->AEGP_UnlockMemHandle(result_handle); });
        // The result handle is the host's memory given to us: it goes back even when it
        // could not be read, or every failed read would leak it.
        if (memory != nullptr) chain.release([&] { return memory->AEGP_FreeMemHandle(result_handle); });
    }
    apply_script_result(command, trimmed(result_text));
    command.global.texts_dirty = 1;
}

}  // namespace fx
