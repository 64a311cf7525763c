#include "platform/regular_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/platform/temp_folder.h"

namespace fx::platform {
namespace {

#ifdef _WIN32
TEST(FileKind, TellsRegularFilesFromFoldersDevicesAndMissingPaths) {
    test::TempFolder temp;
    const std::string file = temp.write("a.txt", "abc");
    const struct {
        std::string path;
        FileKind kind;
    } rows[] = {{file, FileKind::regular},
                {temp.path(), FileKind::folder},
                {"NUL", FileKind::other},
                {temp / "missing", FileKind::missing},
                {"", FileKind::missing}};
    for (const auto& row : rows) {
        EXPECT_EQ(file_kind(row.path), row.kind) << row.path;
        EXPECT_EQ(open_regular_file(row.path) != nullptr, row.kind == FileKind::regular) << row.path;
    }
}
#else
TEST(FileKind, TellsRegularFilesFromEverythingElse) {
    test::TempFolder temp;
    const std::string file = temp.write("a.txt", "abc");
    const std::string fifo = temp / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink(file.c_str(), (temp / "link").c_str()), 0);
    ASSERT_EQ(symlink(fifo.c_str(), (temp / "fifo_link").c_str()), 0);
    const struct {
        std::string path;
        FileKind kind;
    } rows[] = {{file, FileKind::regular},
                {temp / "link", FileKind::regular},
                {temp.path(), FileKind::folder},
                {fifo, FileKind::other},
                {temp / "fifo_link", FileKind::other},
                {"/dev/zero", FileKind::other},
                {temp / "missing", FileKind::missing},
                {"", FileKind::missing}};
    for (const auto& row : rows) {
        EXPECT_EQ(file_kind(row.path), row.kind) << row.path;
        EXPECT_EQ(is_regular_file(row.path), row.kind == FileKind::regular) << row.path;
        EXPECT_EQ(open_regular_file(row.path) != nullptr, row.kind == FileKind::regular) << row.path;
    }
}

// A reader blocked on the pipe would let a writer open it without blocking; the guard
// then opens it, which also releases the reader, so a regression fails instead of hanging.
TEST(OpenRegularFile, RefusesAPipeWithoutWaitingForAWriter) {
    test::TempFolder temp;
    const std::string fifo = temp / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::atomic<bool> reader_was_waiting{false};
    std::thread guard([&] {
        for (int tries = 0; tries < 200 && !done; ++tries) {
            const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                reader_was_waiting = true;
                close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    });
    EXPECT_EQ(open_regular_file(fifo), nullptr);
    done = true;
    guard.join();
    EXPECT_FALSE(reader_was_waiting);
}
#endif

}  // namespace
}  // namespace fx::platform
