#include "simhost/handle_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace fx {
namespace {

TEST(HandleStore, NewHandleIsRealZeroFilledMemoryOfTheAskedSize) {
    HandleStore store;
    HostHandle h = store.create(64);
    ASSERT_NE(h, nullptr);
    ASSERT_NE(*h, nullptr);
    EXPECT_EQ(store.size(h), 64u);
    auto* bytes = static_cast<unsigned char*>(store.lock(h));
    ASSERT_EQ(bytes, *h) << "lock yields the block the master pointer points at";
    for (int i = 0; i < 64; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
    std::memset(bytes, 0x5A, 64);  // the whole block is writable (ASan checks the bound)
    store.unlock(h);
    EXPECT_TRUE(store.dispose(h));
    EXPECT_TRUE(store.misuses().empty());
}

TEST(HandleStore, FillByteShowsRelianceOnZeroedMemory) {
    HandleStore store;
    store.set_fill_byte(0xCD);
    HostHandle h = store.create(3);
    auto* bytes = static_cast<unsigned char*>(store.lock(h));
    EXPECT_EQ(bytes[0], 0xCD);
    EXPECT_EQ(bytes[2], 0xCD);
    store.unlock(h);
    store.dispose(h);
}

TEST(HandleStore, LocksNestAndUnbalancedUnlockIsReported) {
    HandleStore store;
    HostHandle h = store.create(8);
    store.lock(h);
    store.lock(h);
    EXPECT_EQ(store.lock_count(h), 2);
    store.unlock(h);
    store.unlock(h);
    EXPECT_EQ(store.lock_count(h), 0);
    EXPECT_TRUE(store.misuses().empty());
    store.unlock(h);
    ASSERT_EQ(store.misuses().size(), 1u);
    EXPECT_NE(store.misuses()[0].find("is not locked"), std::string::npos) << store.misuses()[0];
    store.dispose(h);
}

TEST(HandleStore, ResizeKeepsContentsAndHandle) {
    HandleStore store;
    HostHandle h = store.create(4);
    std::memcpy(store.lock(h), "abcd", 4);
    store.unlock(h);
    ASSERT_TRUE(store.resize(h, 1 << 20));
    EXPECT_EQ(store.size(h), std::uint64_t{1} << 20);
    auto* bytes = static_cast<char*>(store.lock(h));
    EXPECT_EQ(std::string(bytes, 4), "abcd");
    EXPECT_EQ(bytes[4], 0) << "grown bytes are filled like new memory";
    bytes[(1 << 20) - 1] = 'z';
    store.unlock(h);
    ASSERT_TRUE(store.resize(h, 2));
    EXPECT_EQ(std::string(static_cast<char*>(*h), 2), "ab");
    EXPECT_FALSE(store.resize(h, HandleStore::max_block_size + 1));
    EXPECT_EQ(store.size(h), 2u) << "a refused resize leaves the block as it was";
    store.dispose(h);
}

TEST(HandleStore, ZeroSizeAndOversizeRequests) {
    HandleStore store;
    HostHandle empty = store.create(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(*empty, nullptr);
    EXPECT_EQ(store.size(empty), 0u);
    EXPECT_EQ(store.create(HandleStore::max_block_size + 1), nullptr);
    store.dispose(empty);
}

TEST(HandleStore, StaleAndForeignHandlesAreReportedNotFollowed) {
    HandleStore store;
    HostHandle h = store.create(16);
    ASSERT_TRUE(store.dispose(h));
    EXPECT_EQ(*h, nullptr) << "a disposed handle's master pointer is cleared";
    void* foreign_block = nullptr;
    HostHandle foreign = &foreign_block;

    struct Row {
        const char* name;
        std::function<void()> action;
        const char* expected;
    };
    const Row rows[] = {
        {"lock disposed", [&] { EXPECT_EQ(store.lock(h), nullptr); }, "already disposed"},
        {"dispose twice", [&] { EXPECT_FALSE(store.dispose(h)); }, "already disposed"},
        {"resize disposed", [&] { EXPECT_FALSE(store.resize(h, 4)); }, "already disposed"},
        {"lock foreign", [&] { EXPECT_EQ(store.lock(foreign), nullptr); }, "not a handle"},
        {"unlock foreign", [&] { store.unlock(foreign); }, "not a handle"},
        {"dispose null", [&] { EXPECT_FALSE(store.dispose(nullptr)); }, "not a handle"},
    };
    for (const Row& row : rows) {
        const std::size_t before = store.misuses().size();
        row.action();
        const auto misuses = store.misuses();
        ASSERT_EQ(misuses.size(), before + 1) << row.name;
        EXPECT_NE(misuses.back().find(row.expected), std::string::npos) << row.name << ": " << misuses.back();
    }
    EXPECT_FALSE(store.size(h).has_value());
    EXPECT_FALSE(store.holds(h));
    EXPECT_TRUE(store.leaks().empty());
}

TEST(HandleStore, LeakReportListsUndisposedHandlesInCreationOrder) {
    HandleStore store;
    HostHandle a = store.create(10);
    HostHandle b = store.create(20);
    HostHandle c = store.create(30);
    store.lock(c);
    store.dispose(b);
    const auto leaks = store.leaks();
    ASSERT_EQ(leaks.size(), 2u);
    EXPECT_EQ(leaks[0].handle, a);
    EXPECT_EQ(leaks[0].size, 10u);
    EXPECT_EQ(leaks[1].handle, c);
    EXPECT_EQ(leaks[1].locks, 1);
    EXPECT_EQ(leaks[1].serial, 3u);
    const std::string report = store.leak_report();
    EXPECT_NE(report.find("2 handle(s) never disposed"), std::string::npos) << report;
    EXPECT_NE(report.find("30 bytes, locked 1"), std::string::npos) << report;
    EXPECT_EQ(store.live_count(), 2u);
    EXPECT_EQ(store.created_count(), 3u);
    store.dispose_all();
    EXPECT_EQ(store.leak_report(), "no handles left");
}

}  // namespace
}  // namespace fx
