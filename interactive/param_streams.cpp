#include "interactive/param_streams.h"

namespace fx {

void change_param_stream(PanelCommand& command, AEGP_PluginID plugin_id, int index, const StreamChange& change) {
    HostCallChain& chain = command.chain;
    SuiteCache& suites = command.suites;
    AEGP_EffectRefH effect = nullptr;
    AEGP_StreamRefH stream = nullptr;
    // A reference counts as obtained only when its call was made and succeeded.
    const bool have_effect = chain.call([&] {
        return suites.pf_interface_suite()->AEGP_GetNewEffectForEffect(plugin_id, command.in_data->effect_ref, &effect);
    });
    const bool have_stream = have_effect && chain.call([&] {
        return suites.stream_suite()->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, index, &stream);
    });
    if (change.set_hidden)
        chain.call([&] {
            return suites.dynamic_stream_suite()->AEGP_SetDynamicStreamFlag(stream, AEGP_DynStreamFlag_HIDDEN, false,
                                                                            change.hidden);
        });
    if (!change.name.empty())
        chain.call([&] { return suites.dynamic_stream_suite()->AEGP_SetStreamName(stream, change.name.c_str()); });
    if (have_effect) chain.release([&] { return suites.effect_suite()->AEGP_DisposeEffect(effect); });
    if (have_stream) chain.release([&] { return suites.stream_suite()->AEGP_DisposeStream(stream); });
}

}  // namespace fx
