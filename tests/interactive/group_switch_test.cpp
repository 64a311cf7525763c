// Group switches through EffectMain: which members are shown, hidden, enabled or
// disabled, the names their streams take, both hosts, and the chaining of failed calls.
#include "panel_fixture.h"

namespace fx::test {
namespace {

using Strings = std::vector<std::string>;

// A popup switch over groups 5..8 and members with different group lists.
const char* const popup_switch =
    "[par1]\nname=Mode\ntype=popup\ntext=A|B|C|D\ngroupswitch=5\nmax=3\n"
    "[par2]\nname=Six\ntype=float\ngroup0=6\n"
    "[par3]\nname=Five or seven\ntype=float\ngroup0=5\ngroup1=7\n"
    "[par4]\nname=Nine\ntype=float\ngroup0=9\n"
    "[par5]\nname=Never\ntype=float\ngroup0=0\ngroup1=6\n"
    "[par6]\nname=Third entry\nname2=Third entry shown\ntype=float\ngroup0=5\ngroup1=20\ngroup2=6\n";

class GroupSwitch : public PanelTest {};

TEST_F(GroupSwitch, PopupChoiceSelectsItsGroupAndDisablesTheRest) {
    start(popup_switch);
    clear_texts_dirty();
    param(1).u.pd.value = 2;  // group 5 + 2 - 1 = 6
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.out_flags, PF_OutFlag_REFRESH_UI | PF_OutFlag_FORCE_RERENDER);
    const SequenceState s = state();
    EXPECT_EQ(s.param_state[2], -1);
    EXPECT_EQ(s.param_state[3], 1);
    EXPECT_EQ(s.param_state[4], 0) << "group 9 is outside the switch's range";
    EXPECT_EQ(s.param_state[5], 0) << "a list starting with 0 is empty";
    EXPECT_EQ(s.param_state[6], -1);
    EXPECT_EQ(param(2).ui_flags & PF_PUI_DISABLED, 0);
    EXPECT_EQ(param(3).ui_flags & PF_PUI_DISABLED, PF_PUI_DISABLED);
    EXPECT_EQ(param(3).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_EQ(host_.stream_name(3), "Five or seven");
    EXPECT_EQ(host_.stream_name(6), "Third entry shown") << "matched by its third entry: name2";
    EXPECT_FALSE(host_.streams().state(3).hidden);
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_EQ(panel_calls(), joined({{"PF_UpdateParamUI 1"},
                                     stream_calls("0", 2, {"AEGP_SetStreamName \"Six\""}),
                                     {"PF_UpdateParamUI 2"},
                                     stream_calls("0", 3, {"AEGP_SetStreamName \"Five or seven\""}),
                                     {"PF_UpdateParamUI 3"},
                                     stream_calls("0", 6, {"AEGP_SetStreamName \"Third entry shown\""}),
                                     {"PF_UpdateParamUI 6"}}));
}

TEST_F(GroupSwitch, CheckboxShowsTheSecondGroupAndHidesTheFirst) {
    start(
        "[par1]\nname=Advanced\ntype=check\ngroupswitch=150\nmax=0\n"
        "[par2]\nname=Basic\ntype=float\ngroup0=150\n"
        "[par3]\nname=Detail\ntype=float\ngroup0=151\nvisibility=2\n");
    param(1).u.bd.value = 1;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(state().param_state[2], 2);
    EXPECT_EQ(state().param_state[3], -2);
    EXPECT_EQ(param(2).ui_flags & PF_PUI_INVISIBLE, PF_PUI_INVISIBLE);
    EXPECT_EQ(param(3).ui_flags & PF_PUI_INVISIBLE, 0);
    EXPECT_TRUE(host_.streams().state(2).hidden);
    EXPECT_FALSE(host_.streams().state(3).hidden);
    EXPECT_EQ(panel_calls(),
              joined({{"PF_UpdateParamUI 1"},
                      stream_calls("0", 2, {"AEGP_SetDynamicStreamFlag, 2, 0, 1", "AEGP_SetStreamName \"Basic\""}),
                      {"PF_UpdateParamUI 2"},
                      stream_calls("0", 3, {"AEGP_SetDynamicStreamFlag, 2, 0, 0", "AEGP_SetStreamName \"Detail\""}),
                      {"PF_UpdateParamUI 3"}}));

    param(1).u.bd.value = 0;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(state().param_state[2], -2);
    EXPECT_EQ(state().param_state[3], 2);
    EXPECT_FALSE(host_.streams().state(2).hidden);
    EXPECT_TRUE(host_.streams().state(3).hidden);
}

TEST_F(GroupSwitch, AMatchPastTheTenthEntrySetsNoName) {
    start(
        "[par1]\nname=On\ntype=check\ngroupswitch=40\n"
        "[par2]\nname=Far\ntype=float\ngroup0=1\ngroup1=2\ngroup2=3\ngroup3=4\ngroup4=5\ngroup5=6\ngroup6=7\n"
        "group7=8\ngroup8=9\ngroup9=10\ngroup10=41\n");
    param(1).u.bd.value = 1;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(state().param_state[2], -1);
    EXPECT_EQ(panel_calls(), (Strings{"PF_UpdateParamUI 1", "PF_UpdateParamUI 2"}))
        << "enabling without a name needs no stream";
}

TEST_F(GroupSwitch, UnderPremiereProStatesAndFlagsChangeWithoutStreams) {
    premiere();
    start(popup_switch);
    param(1).u.pd.value = 3;  // group 7
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(state().param_state[2], 1);
    EXPECT_EQ(state().param_state[3], -1);
    EXPECT_EQ(param(2).ui_flags & PF_PUI_DISABLED, PF_PUI_DISABLED);
    EXPECT_EQ(panel_calls(),
              (Strings{"PF_UpdateParamUI 1", "PF_UpdateParamUI 2", "PF_UpdateParamUI 3", "PF_UpdateParamUI 6"}));
    EXPECT_EQ(host_.streams().effects_obtained(), 0);
}

TEST_F(GroupSwitch, ASliderSelectsByItsWholeValue) {
    start(
        "[par1]\nname=Level\ntype=float\nmin=0\nmax=3\ngroupswitch=5\n"
        "[par2]\nname=Five\ntype=float\ngroup0=5\n"
        "[par3]\nname=Seven\ntype=float\ngroup0=7\n");
    param(1).u.fs_d.value = 2.7;  // group 5 + 2
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(state().param_state[2], 1);
    EXPECT_EQ(state().param_state[3], -1);
}

TEST_F(GroupSwitch, AFailedStreamCallStopsTheLaterOnesButNotTheUiUpdates) {
    start(popup_switch);
    host_.faults().fail_nth("AEGP_GetNewEffectStreamByIndex", 1, A_Err_GENERIC);
    param(1).u.pd.value = 2;
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, A_Err_GENERIC);
    EXPECT_EQ(panel_calls(),
              (Strings{"PF_UpdateParamUI 1", "AEGP_GetNewEffectForEffect 0", "AEGP_GetNewEffectStreamByIndex 2 -> 1",
                       "AEGP_DisposeEffect", "PF_UpdateParamUI 2", "PF_UpdateParamUI 3", "PF_UpdateParamUI 6"}));
    EXPECT_EQ(state().param_state[3], 1) << "the instance's state is still kept";
    EXPECT_EQ(param(3).ui_flags & PF_PUI_DISABLED, PF_PUI_DISABLED);
}

TEST_F(GroupSwitch, AFailedUiUpdateIsTheResultAndStopsLaterStreamCalls) {
    start(popup_switch);
    host_.faults().fail_nth("PF_UpdateParamUI", 2, PF_Err_OUT_OF_MEMORY);
    param(1).u.pd.value = 2;
    EXPECT_EQ(change(1).result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(panel_calls(), joined({{"PF_UpdateParamUI 1"},
                                     stream_calls("0", 2, {"AEGP_SetStreamName \"Six\""}),
                                     {"PF_UpdateParamUI 2 -> 4", "PF_UpdateParamUI 3", "PF_UpdateParamUI 6"}}));
}

TEST_F(GroupSwitch, AnInstanceWithoutSequenceDataIsLeftAlone) {
    start(popup_switch);
    PF_Handle kept = plugin_.sequence_data();
    plugin_.set_sequence_data(nullptr);
    param(1).u.pd.value = 2;
    const CommandResult r = change(1);
    plugin_.set_sequence_data(kept);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.out_flags, 0);
    EXPECT_TRUE(panel_calls().empty());
}

}  // namespace
}  // namespace fx::test
