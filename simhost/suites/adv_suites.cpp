// "PF AE Adv App Suite" versions 1 and 2 and "PF AE Adv Item Suite": only
// PF_SetProjectDirty is modelled (recorded and accepted); the rest is not yet.
#include "AE_AdvEffectSuites.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

// The functions both versions of the app suite have; version 2 adds PF_AppendInfoText.
template <FixedName Source, typename Table>
void fill_app_functions(Table& t) {
    t.PF_SetProjectDirty = accepted<Source, "PF_SetProjectDirty">(t.PF_SetProjectDirty);
    t.PF_SaveProject = unmodelled<Source, "PF_SaveProject">(t.PF_SaveProject);
    t.PF_SaveBackgroundState = unmodelled<Source, "PF_SaveBackgroundState">(t.PF_SaveBackgroundState);
    t.PF_ForceForeground = unmodelled<Source, "PF_ForceForeground">(t.PF_ForceForeground);
    t.PF_RestoreBackgroundState = unmodelled<Source, "PF_RestoreBackgroundState">(t.PF_RestoreBackgroundState);
    t.PF_RefreshAllWindows = unmodelled<Source, "PF_RefreshAllWindows">(t.PF_RefreshAllWindows);
    t.PF_InfoDrawText = unmodelled<Source, "PF_InfoDrawText">(t.PF_InfoDrawText);
    t.PF_InfoDrawColor = unmodelled<Source, "PF_InfoDrawColor">(t.PF_InfoDrawColor);
    t.PF_InfoDrawText3 = unmodelled<Source, "PF_InfoDrawText3">(t.PF_InfoDrawText3);
    t.PF_InfoDrawText3Plus = unmodelled<Source, "PF_InfoDrawText3Plus">(t.PF_InfoDrawText3Plus);
}

}  // namespace

void install_adv_suites(SuiteRegistry& registry) {
    static const PF_AdvAppSuite1 app1 = [] {
        PF_AdvAppSuite1 t{};
        fill_app_functions<"PF AE Adv App Suite v1">(t);
        return t;
    }();
    static const PF_AdvAppSuite2 app2 = [] {
        constexpr FixedName s = "PF AE Adv App Suite v2";
        PF_AdvAppSuite2 t{};
        fill_app_functions<s>(t);
        t.PF_AppendInfoText = unmodelled<s, "PF_AppendInfoText">(t.PF_AppendInfoText);
        return t;
    }();
    static const PF_AdvItemSuite1 item = [] {
        constexpr FixedName s = "PF AE Adv Item Suite v1";
        PF_AdvItemSuite1 t{};
        t.PF_MoveTimeStep = unmodelled<s, "PF_MoveTimeStep">(t.PF_MoveTimeStep);
        t.PF_MoveTimeStepActiveItem = unmodelled<s, "PF_MoveTimeStepActiveItem">(t.PF_MoveTimeStepActiveItem);
        t.PF_TouchActiveItem = unmodelled<s, "PF_TouchActiveItem">(t.PF_TouchActiveItem);
        t.PF_ForceRerender = unmodelled<s, "PF_ForceRerender">(t.PF_ForceRerender);
        t.PF_EffectIsActiveOrEnabled = unmodelled<s, "PF_EffectIsActiveOrEnabled">(t.PF_EffectIsActiveOrEnabled);
        return t;
    }();
    registry.install(kPFAdvAppSuite, kPFAdvAppSuiteVersion1, &app1);
    registry.install(kPFAdvAppSuite, kPFAdvAppSuiteVersion2, &app2);
    registry.install(kPFAdvItemSuite, kPFAdvItemSuiteVersion1, &item);
}

}  // namespace fx
