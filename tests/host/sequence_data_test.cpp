// Each applied instance's SequenceState through EffectMain: set-up, the flat copy for
// saving, flattening, re-set-up from a saved record (a project saved and reopened) and
// set-down, with what the simulated host's handles hold at every step.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "definition/loader/load_definition.h"
#include "host/image_records.h"
#include "host/sequence_state.h"
#include "platform/environment_variable.h"
#include "simhost/loaded_plugin.h"
#include "simhost/saved_project.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

const char* const texts_and_images =
    "[par1]\nname=Caption\ntype=text\ndefault=Hello|World\nflags=2\nid=1\n"
    "[par2]\nname=Note\ntype=text\ndefault=Later\nflags=-2\nvisibility=2\nid=2\n"
    "[par3]\nname=Picture\ntype=image\nvisibility=1\nid=3\n"
    "[par4]\nname=Second picture\ntype=image\nid=4\n";

class SequenceData : public ::testing::Test {
protected:
    void start(const std::string& params) {
        static int files = 0;
        path_ = ::testing::TempDir() + "sequence_data_test_" + std::to_string(getpid()) + "_" +
                std::to_string(++files) + ".fxdef";
        std::ofstream(path_) << "[settings]\nusegpu=-1\nimgwidth=40\nimgheight=30\n"
                             << params << "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n";
        platform::set_environment_variable(kDefinitionFileVariable, path_);
        ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    }

    void TearDown() override {
        if (plugin_.sequence_data() != nullptr) plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
        if (plugin_.global_data() != nullptr) plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
        platform::unset_environment_variable(kDefinitionFileVariable);
        std::remove(path_.c_str());
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    // The record in a handle, read as the host's memory holds it.
    SequenceState record(PF_Handle handle) {
        SequenceState copy{};
        if (auto* state = static_cast<SequenceState*>(host_.handles().lock(handle))) {
            std::memcpy(static_cast<void*>(&copy), state, sizeof copy);
            host_.handles().unlock(handle);
        }
        return copy;
    }

    std::vector<std::uint8_t> bytes(PF_Handle handle) {
        const auto size = host_.handles().size(handle).value_or(0);
        std::vector<std::uint8_t> out(size);
        if (void* data = host_.handles().lock(handle)) {
            std::memcpy(out.data(), data, size);
            host_.handles().unlock(handle);
        }
        return out;
    }

    // A handle holding `flat`, as the host gives a saved record back.
    PF_Handle saved(const std::vector<std::uint8_t>& flat) {
        PF_Handle handle = host_.handles().create(flat.size());
        void* data = host_.handles().lock(handle);
        if (!flat.empty()) std::memcpy(data, flat.data(), flat.size());
        host_.handles().unlock(handle);
        return handle;
    }

    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
    std::string path_;
};

void append_record(std::vector<std::uint8_t>& flat, const std::string& text) {
    const auto length = static_cast<std::int32_t>(text.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(&length);
    flat.insert(flat.end(), p, p + 4);
    flat.insert(flat.end(), text.begin(), text.end());
}

TEST_F(SequenceData, SetUpBuildsTheLiveRecordFromTheDefinition) {
    start(texts_and_images);
    const CommandResult r = plugin_.call(PF_Cmd_SEQUENCE_SETUP);
    ASSERT_EQ(r.result, PF_Err_NONE);
    ASSERT_NE(r.out.sequence_data, nullptr);
    EXPECT_EQ(host_.handles().size(r.out.sequence_data), 1672u);
    EXPECT_EQ(host_.handles().lock_count(r.out.sequence_data), 0);
    const SequenceState live = record(r.out.sequence_data);
    EXPECT_EQ(live.is_flat, 0);
    EXPECT_EQ(live.param_state[2], 2);
    EXPECT_EQ(live.param_state[3], 1);
    EXPECT_EQ(live.param_state[1], 0);
    ASSERT_NE(live.texts[2], nullptr);
    EXPECT_STREQ(live.texts[2], "Later") << "the later slot with the same index wins";
    for (int i : {0, 1, 3, 31}) {
        ASSERT_NE(live.texts[i], nullptr) << i;
        EXPECT_STREQ(live.texts[i], "") << i;
    }
    for (int i : {0, 1}) {
        ASSERT_NE(live.images[i], nullptr) << i;
        EXPECT_EQ(live.images[i]->thumb.pixels.size(), 65u * 30u * 4u);
        // Every image parameter starts with the 40 x 30 checkerboard placeholder.
        EXPECT_EQ(live.images[i]->full.width, 40u);
        EXPECT_EQ(live.images[i]->full.height, 30u);
        EXPECT_EQ(live.images[i]->full.channels, 3);
        ASSERT_NE(live.image_paths[i], nullptr);
        EXPECT_STREQ(live.image_paths[i], "");
    }
    EXPECT_EQ(live.images[2], nullptr);
}

TEST_F(SequenceData, TheFlatCopyHoldsHeadTextsAndPathsAndLeavesTheLiveRecord) {
    start(texts_and_images);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    PF_Handle live_handle = plugin_.sequence_data();
    ASSERT_EQ(plugin_.call(PF_Cmd_GET_FLATTENED_SEQUENCE_DATA).result, PF_Err_NONE);
    PF_Handle copy = plugin_.take_flattened_copy();
    ASSERT_NE(copy, nullptr);
    const std::vector<std::uint8_t> flat = bytes(copy);
    host_.handles().dispose(copy);
    // 32 text records (one of them "Later"), then two empty paths.
    ASSERT_EQ(flat.size(), 1672u + 32u * 4u + 5u + 2u * 4u);
    EXPECT_EQ(flat[1024], 1);
    for (std::size_t i = 1025; i < 1672; ++i) ASSERT_EQ(flat[i], 0) << "byte " << i;
    std::int32_t hidden = 0;
    std::memcpy(&hidden, flat.data() + 2 * 4, 4);
    EXPECT_EQ(hidden, 2);
    std::int32_t third_length = 0;
    std::memcpy(&third_length, flat.data() + 1672 + 8, 4);
    EXPECT_EQ(third_length, 5);
    EXPECT_EQ(std::string(flat.begin() + 1672 + 12, flat.begin() + 1672 + 17), "Later");
    EXPECT_EQ(plugin_.sequence_data(), live_handle);
    EXPECT_EQ(record(live_handle).is_flat, 0);
}

TEST_F(SequenceData, ADefinitionWithoutTextsOrImagesFlattensToTheHeadAlone) {
    start("[par1]\nname=Amount\ntype=float\nid=1\n");
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_FLATTEN).result, PF_Err_NONE);
    EXPECT_EQ(host_.handles().size(plugin_.sequence_data()), 1672u);
    EXPECT_EQ(record(plugin_.sequence_data()).is_flat, 1);
    // Flattening a flat record does nothing.
    PF_Handle flat = plugin_.sequence_data();
    const CommandResult again = plugin_.call(PF_Cmd_SEQUENCE_FLATTEN);
    EXPECT_EQ(again.result, PF_Err_NONE);
    EXPECT_EQ(plugin_.sequence_data(), flat);
}

TEST_F(SequenceData, ASavedProjectReopensWithItsTextsPathsAndStates) {
    start(texts_and_images);
    std::vector<std::uint8_t> flat(1672, 0);
    const std::int32_t disabled = 1;
    std::memcpy(flat.data() + 4 * 4, &disabled, 4);
    flat[1024] = 1;
    for (int i = 0; i < 32; ++i) append_record(flat, i == 5 ? "edited text" : "");
    append_record(flat, "photo.jpg");
    append_record(flat, "");
    plugin_.set_sequence_data(saved(flat));

    const CommandResult r = plugin_.call(PF_Cmd_SEQUENCE_RESETUP);
    ASSERT_EQ(r.result, PF_Err_NONE);
    ASSERT_NE(r.out.sequence_data, nullptr);
    EXPECT_EQ(host_.handles().live_count(), 2u) << "the global record and the new live one; the flat one is gone";
    const SequenceState live = record(r.out.sequence_data);
    EXPECT_EQ(live.is_flat, 0);
    EXPECT_EQ(live.param_state[4], 1);
    EXPECT_STREQ(live.texts[5], "edited text");
    EXPECT_STREQ(live.image_paths[0], "photo.jpg");
    EXPECT_STREQ(live.image_paths[1], "");
    ASSERT_NE(live.images[1], nullptr);

    // Saved again, the record carries the same texts and paths.
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_FLATTEN).result, PF_Err_NONE);
    EXPECT_EQ(bytes(plugin_.sequence_data()), flat);
}

TEST_F(SequenceData, AShortOrDamagedRecordReadsOnlyWhatIsThere) {
    start(texts_and_images);
    std::vector<std::uint8_t> flat(1672, 0);
    flat[1024] = 1;
    append_record(flat, "kept");
    const std::int32_t too_long = 1000;  // claims more bytes than the handle has
    const auto* p = reinterpret_cast<const std::uint8_t*>(&too_long);
    flat.insert(flat.end(), p, p + 4);
    flat.insert(flat.end(), {'x', 'y'});
    plugin_.set_sequence_data(saved(flat));
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
    const SequenceState live = record(plugin_.sequence_data());
    EXPECT_STREQ(live.texts[0], "kept");
    for (int i = 1; i < 32; ++i) EXPECT_STREQ(live.texts[i], "") << i;
    EXPECT_STREQ(live.image_paths[0], "");
    EXPECT_STREQ(live.image_paths[1], "");
}

TEST_F(SequenceData, ALiveRecordHandedToReSetUpStaysAsItIs) {
    start(texts_and_images);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    PF_Handle live = plugin_.sequence_data();
    EXPECT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
    EXPECT_EQ(plugin_.sequence_data(), live);
}

TEST_F(SequenceData, ASavedClosedAndReopenedProjectRestoresTheInstanceExactly) {
    start(texts_and_images);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    // The user works on the instance: a hidden parameter, an edited text, a loaded image.
    if (auto* live = static_cast<SequenceState*>(host_.handles().lock(plugin_.sequence_data()))) {
        live->param_state[1] = 2;
        live->param_state[255] = 1;
        free_text(live->texts[7]);
        live->texts[7] = new_text("edited | text");
        free_text(live->image_paths[1]);
        live->image_paths[1] = new_text("/pictures/photo.png");
        host_.handles().unlock(plugin_.sequence_data());
    }
    const SequenceState before = record(plugin_.sequence_data());
    std::vector<std::int32_t> states(before.param_state, before.param_state + kSlotCount);
    std::vector<std::string> texts;
    for (const char* text : before.texts) texts.emplace_back(text);
    const std::vector<std::string> paths{before.image_paths[0], before.image_paths[1]};

    const ProjectSave save = save_project(host_, plugin_);
    ASSERT_EQ(save.flatten.result, PF_Err_NONE);
    ASSERT_TRUE(save.sequence_data.has_value());
    EXPECT_EQ(save.sequence_data->size(), 1672u + 32u * 4u + 5u + 13u + 2u * 4u + 19u);
    EXPECT_EQ(save.sequence_data->at(1024), 1);
    // Closing the project: the flat instance goes, then the effect.
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETDOWN).result, PF_Err_NONE);
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETDOWN).result, PF_Err_NONE);
    EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();

    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    const CommandResult reopened = reopen_project(host_, plugin_, *save.sequence_data);
    ASSERT_EQ(reopened.result, PF_Err_NONE);
    const SequenceState after = record(plugin_.sequence_data());
    EXPECT_EQ(after.is_flat, 0);
    EXPECT_EQ(std::vector<std::int32_t>(after.param_state, after.param_state + kSlotCount), states);
    for (int i = 0; i < kSequenceTexts; ++i) {
        ASSERT_NE(after.texts[i], nullptr) << i;
        EXPECT_EQ(after.texts[i], texts[i]) << "text " << i;
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(after.image_paths[i], nullptr) << i;
        EXPECT_EQ(after.image_paths[i], paths[i]) << "image " << i;
        EXPECT_NE(after.images[i], nullptr) << "image " << i;
    }
    // Saved again, the project file holds the same bytes.
    EXPECT_EQ(save_project(host_, plugin_).sequence_data, save.sequence_data);
}

// A saved record for texts_and_images (32 texts, 2 image paths) with its head; `records`
// follow the head in order.
std::vector<std::uint8_t> flat_record(const std::vector<std::string>& records,
                                      std::size_t head = std::numeric_limits<std::size_t>::max()) {
    std::vector<std::uint8_t> flat(1672, 0);
    for (int slot = 0; slot < 4; ++slot) {
        const std::int32_t state = 10 + slot;
        std::memcpy(flat.data() + 4 * slot, &state, 4);
    }
    flat[1024] = 1;
    for (const std::string& text : records) append_record(flat, text);
    flat.resize(std::min(flat.size(), head));
    return flat;
}

std::vector<std::string> texts_then(std::vector<std::string> paths) {
    std::vector<std::string> records(32);
    records[0] = "first";
    records[31] = "last";
    records.insert(records.end(), paths.begin(), paths.end());
    return records;
}

std::vector<std::uint8_t> with_length_at(std::vector<std::uint8_t> flat, std::size_t at, std::int32_t length) {
    std::memcpy(flat.data() + at, &length, 4);
    return flat;
}

struct DamagedRow {
    const char* label;
    std::vector<std::uint8_t> flat;
    int states_kept;                                 // leading param_state entries read (of the 4 written)
    std::vector<std::pair<int, std::string>> texts;  // the texts that are not empty
    std::vector<std::string> paths;
};

void PrintTo(const DamagedRow& row, std::ostream* os) { *os << row.label; }

class SequenceDataDamaged : public SequenceData, public ::testing::WithParamInterface<DamagedRow> {};

TEST_P(SequenceDataDamaged, LoadsWhatCanBeReadAndLeavesTheRestEmpty) {
    const DamagedRow& row = GetParam();
    start(texts_and_images);
    plugin_.set_sequence_data(saved(row.flat));
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
    ASSERT_NE(plugin_.sequence_data(), nullptr);
    EXPECT_EQ(host_.handles().size(plugin_.sequence_data()), 1672u) << "a live record replaced the saved one";
    const SequenceState live = record(plugin_.sequence_data());
    EXPECT_EQ(live.is_flat, 0);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(live.param_state[slot], slot < row.states_kept ? 10 + slot : 0) << "slot " << slot;
    std::vector<std::string> expected_texts(kSequenceTexts);
    for (const auto& [index, text] : row.texts) expected_texts[index] = text;
    for (int i = 0; i < kSequenceTexts; ++i) {
        ASSERT_NE(live.texts[i], nullptr) << i;
        EXPECT_EQ(std::string(live.texts[i]), expected_texts[i]) << "text " << i;
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(live.image_paths[i], nullptr) << i;
        EXPECT_EQ(std::string(live.image_paths[i]), row.paths[i]) << "image " << i;
        EXPECT_NE(live.images[i], nullptr) << "image " << i;
    }
    // And it saves again without trouble.
    const ProjectSave save = save_project(host_, plugin_);
    EXPECT_EQ(save.flatten.result, PF_Err_NONE);
}

// Offsets of the records of flat_record(texts_then({...})): text 0 at 1672, text 1 at
// 1672 + 4 + 5, text 31 after 30 empty records, then the paths.
constexpr std::size_t kText1 = 1672 + 9;
constexpr std::size_t kText31 = kText1 + 30 * 4;
constexpr std::size_t kPath0 = kText31 + 8;

INSTANTIATE_TEST_SUITE_P(
    Records, SequenceDataDamaged,
    ::testing::Values(
        DamagedRow{
            "whole", flat_record(texts_then({"a.png", "b.png"})), 4, {{0, "first"}, {31, "last"}}, {"a.png", "b.png"}},
        DamagedRow{"cut_after_two_param_states", flat_record({}, 8), 2, {}, {"", ""}},
        DamagedRow{"cut_before_is_flat", flat_record({}, 1024), 4, {}, {"", ""}},
        DamagedRow{"head_only", flat_record({}), 4, {}, {"", ""}},
        DamagedRow{"cut_inside_a_length", flat_record(texts_then({"a.png"}), kText1 + 2), 4, {{0, "first"}}, {"", ""}},
        DamagedRow{"cut_inside_a_text",
                   flat_record(texts_then({"a.png"}), kPath0 + 6),
                   4,
                   {{0, "first"}, {31, "last"}},
                   {"", ""}},
        DamagedRow{"length_past_the_end",
                   with_length_at(flat_record(texts_then({"a.png", "b.png"})), kPath0, 1 << 30),
                   4,
                   {{0, "first"}, {31, "last"}},
                   {"", ""}},
        DamagedRow{"negative_length",
                   with_length_at(flat_record(texts_then({"a.png", "b.png"})), kText1, -5),
                   4,
                   {{0, "first"}},
                   {"", ""}},
        // Written under a definition with one image parameter fewer, or one more.
        DamagedRow{"fewer_images", flat_record(texts_then({"a.png"})), 4, {{0, "first"}, {31, "last"}}, {"a.png", ""}},
        DamagedRow{"more_images",
                   flat_record(texts_then({"a.png", "b.png", "c.png"})),
                   4,
                   {{0, "first"}, {31, "last"}},
                   {"a.png", "b.png"}},
        // Written under a definition without text parameters: the reader takes the 32
        // text records it expects from what is there, so the paths read as texts.
        DamagedRow{
            "no_texts_when_written", flat_record({"a.png", "b.png"}), 4, {{0, "a.png"}, {1, "b.png"}}, {"", ""}}),
    [](const ::testing::TestParamInfo<DamagedRow>& info) { return std::string(info.param.label); });

TEST_F(SequenceData, AnEmptySavedRecordIsKeptAsItIsAndSetDownFreesIt) {
    start(texts_and_images);
    PF_Handle empty = saved({});
    plugin_.set_sequence_data(empty);
    EXPECT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
    EXPECT_EQ(plugin_.sequence_data(), empty) << "nothing to read, nothing replaced";
    EXPECT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETDOWN).result, PF_Err_NONE);
    EXPECT_FALSE(host_.handles().holds(empty));
}

struct FailureRow {
    const char* label;
    PF_Cmd cmd;
    const char* fault;  // the handle call that fails on its next use
    PF_Err result;
};

void PrintTo(const FailureRow& row, std::ostream* os) { *os << row.label; }

class SequenceDataFailure : public SequenceData, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(SequenceDataFailure, KeepsWhatItHadAndLeaksNothing) {
    start(texts_and_images);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETUP).result, PF_Err_NONE);
    if (GetParam().cmd == PF_Cmd_SEQUENCE_RESETUP) {
        ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_FLATTEN).result, 0);
    }
    PF_Handle before = plugin_.sequence_data();
    const int seen = host_.faults().calls_seen(GetParam().fault);
    // The command's first call of the function: a new handle, or the lock of one. Set-up
    // and re-set-up lock the global record first, so their lock fault is the second.
    const bool after_global_lock = std::string(GetParam().fault) == "host_lock_handle";
    host_.faults().fail_nth(GetParam().fault, seen + (after_global_lock ? 2 : 1), PF_Err_OUT_OF_MEMORY);
    if (GetParam().cmd == PF_Cmd_SEQUENCE_SETUP) plugin_.set_sequence_data(nullptr);
    const CommandResult r = plugin_.call(GetParam().cmd);
    host_.faults().reset();
    EXPECT_EQ(r.result, GetParam().result);
    if (GetParam().cmd == PF_Cmd_SEQUENCE_SETUP) {
        EXPECT_EQ(r.out.sequence_data, nullptr);
        plugin_.set_sequence_data(before);
    } else {
        EXPECT_EQ(plugin_.sequence_data(), before) << "the record the instance had stays its record";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SequenceDataFailure,
    ::testing::Values(
        FailureRow{"setup_without_memory", PF_Cmd_SEQUENCE_SETUP, "host_new_handle", PF_Err_OUT_OF_MEMORY},
        FailureRow{"setup_lock_refused", PF_Cmd_SEQUENCE_SETUP, "host_lock_handle", PF_Err_INTERNAL_STRUCT_DAMAGED},
        FailureRow{"flatten_without_memory", PF_Cmd_SEQUENCE_FLATTEN, "host_new_handle",
                   PF_Err_INTERNAL_STRUCT_DAMAGED},
        FailureRow{"resetup_without_memory", PF_Cmd_SEQUENCE_RESETUP, "host_new_handle", PF_Err_NONE}),
    [](const ::testing::TestParamInfo<FailureRow>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fx
