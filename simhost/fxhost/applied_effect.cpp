#include "simhost/fxhost/applied_effect.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "definition/definition_codes.h"
#include "definition/effect_definition.h"
#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/loader/platform_parse_environment.h"
#include "definition/parser_message.h"
#include "platform/environment_variable.h"
#include "platform/regular_file.h"

namespace fx::fxhost {
namespace {

void check_definition_file(const std::string& path) {
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other)
        throw CommandFailure(path + ": not a regular file (a folder, pipe or device), expected a definition file");
    if (path.empty() || platform::open_regular_file(path) == nullptr)
        throw CommandFailure(path + ": cannot be read, expected a definition file");
}

void check_plugin_file(const std::string& path) {
    // Loading a pipe or device as a library would wait forever on it.
    const platform::FileKind kind = platform::file_kind(path);
    if (kind == platform::FileKind::folder || kind == platform::FileKind::other)
        throw CommandFailure(path + ": not a regular file (a folder, pipe or device), expected a plug-in library");
}

}  // namespace

const char* host_name(bool premiere) { return premiere ? "premiere_pro" : "after_effects"; }

AppliedEffect::StdoutAside::StdoutAside() {
    std::cout.flush();
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    if (saved_ >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
}

AppliedEffect::StdoutAside::~StdoutAside() {
    std::fflush(stdout);
    if (saved_ < 0) return;
    dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
}

AppliedEffect::AppliedEffect(const EffectChoice& choice) {
    if (choice.definition) {
        check_definition_file(*choice.definition);
        platform::set_environment_variable(kDefinitionFileVariable, *choice.definition);
    }
    origin_ = obtain_definition_text(builtin_text(BuiltinText::definition)).path;
    check_plugin_file(choice.plugin);
    HostSettings settings;
    settings.app = choice.premiere ? HostApp::premiere_pro : HostApp::after_effects;
    host_ = std::make_unique<SimHost>(settings);
    try {
        plugin_ = std::make_unique<LoadedPlugin>(*host_, choice.plugin);
    } catch (const PluginLoadError& error) {
        throw CommandFailure(error.what());
    }
}

AppliedEffect::~AppliedEffect() {
    try {
        close();
    } catch (...) {
        // Closing is best effort here; a caller that wants its result closes first.
    }
}

CommandResult AppliedEffect::call(PF_Cmd cmd) {
    return quietly([&] { return plugin_->call(cmd); });
}

CommandResult required(AppliedEffect& effect, PF_Cmd cmd, const char* what) {
    CommandResult result = effect.call(cmd);
    if (result.result != PF_Err_NONE) {
        std::string message = what + std::string(" answered error ") + std::to_string(result.result);
        if (!result.message().empty()) message += " (\"" + result.message() + "\")";
        throw CommandFailure(message);
    }
    return result;
}

void AppliedEffect::close() {
    if (closed_) return;
    closed_ = true;
    if (plugin_->sequence_data() != nullptr) call(PF_Cmd_SEQUENCE_SETDOWN);
    if (plugin_->global_data() != nullptr) call(PF_Cmd_GLOBAL_SETDOWN);
}

Json AppliedEffect::host_account() const {
    Json misuses = Json::array();
    for (const std::string& misuse : host_->misuses()) misuses.push_back(json_string(misuse));
    return Json{{"calls", host_->log().size()},
                {"handles_never_disposed", host_->handles().leaks().size()},
                {"misuses", std::move(misuses)}};
}

std::unique_ptr<EffectDefinition> read_plugin_definition() {
    auto definition = std::make_unique<EffectDefinition>();  // too large for the stack
    // The plug-in has shown what its parse reports; this second reading stays quiet.
    ParserMessageRoute quiet([](std::string_view) {});
    ParseEnvironment environment = platform_parse_environment();
    environment.diagnostics = [](const ParseDiagnostic&) {};
    load_definition(*definition, builtin_text(BuiltinText::definition), environment);
    return definition;
}

std::vector<int> AppliedEffect::input_slots() const {
    const std::unique_ptr<EffectDefinition> definition = read_plugin_definition();
    std::vector<int> slots{0};
    for (int slot = 1; slot < definition->settings.param_count && slot < kSlotCount; ++slot) {
        const int type = definition->params[slot].type;
        if (type == kParamLayer || type == kParamImage) slots.push_back(slot);
    }
    return slots;
}

}  // namespace fx::fxhost
