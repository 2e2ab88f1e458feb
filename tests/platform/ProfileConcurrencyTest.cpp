// Writers of one file in threads and processes lose no key, and a reader
// never misses a key whose write had returned; the lock; files changed behind a writer.

#include "platform/Profile.h"
#include "platform/ProfileFileLock.h"
#include "tests/common/Soak.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace kx {
namespace {

using namespace test;

constexpr char kFile[] = "kxconc.ini";

std::string keyName(int writer, int n)
{
    return "w" + std::to_string(writer) + "k" + std::to_string(n);
}

// How many keys of each writer have returned, shared with other processes.
struct Progress {
    std::atomic<int> written[16];
    std::atomic<int> failed;
};

bool writeKeys(int writer, int count, Progress& progress)
{
    for (int n = 0; n < count; ++n) {
        if (!WriteProfileInt(kFile, "Keys", keyName(writer, n), n)) {
            std::fprintf(stderr, "writer %d key %d: %s\n", writer, n, ProfileLastError().c_str());
            progress.failed.fetch_add(1);
            return false;
        }
        progress.written[writer].store(n + 1, std::memory_order_release);
    }
    return true;
}

// Reads until all writers finish, each read holding every key returned before it; returns the reads.
int checkReader(int writers, int count, const Progress& progress)
{
    for (int reads = 0;; ++reads) {
        std::vector<int> seen;
        int finished = progress.failed.load();
        for (int w = 0; w < writers; ++w) {
            seen.push_back(progress.written[w].load(std::memory_order_acquire));
            finished += seen.back() == count;
        }
        if (finished == writers)
            return reads;
        const std::vector<std::string> names = ProfileKeyNames(kFile, "Keys");
        const std::set<std::string> present(names.begin(), names.end());
        for (int w = 0; w < writers; ++w)
            for (int n = 0; n < seen[static_cast<std::size_t>(w)]; ++n)
                if (!present.count(keyName(w, n))) {
                    ADD_FAILURE() << "reader missed " << keyName(w, n);
                    return reads;
                }
    }
}

// Afterwards the file holds one header and every key once, each line ended by CRLF.
void run(bool processes, int writers, int count)
{
    TempSite site;
    void* shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* progress = new (shared) Progress{};
    std::fflush(nullptr);
    std::vector<pid_t> children;
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w) {
        if (!processes)
            threads.emplace_back([=] { writeKeys(w, count, *progress); });
        else if (const pid_t pid = ::fork(); pid == 0)
            ::_exit(writeKeys(w, count, *progress) ? 0 : 1);
        else
            children.push_back(pid);
    }
    EXPECT_GT(checkReader(writers, count, *progress), 0);
    for (std::thread& t : threads)
        t.join();
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(progress->failed.load(), 0);
    ::munmap(shared, sizeof(Progress));

    std::vector<std::string> expected = {"[Keys]\r"};
    for (int w = 0; w < writers; ++w)
        for (int n = 0; n < count; ++n)
            expected.push_back(keyName(w, n) + "=" + std::to_string(n) + "\r");
    std::vector<std::string> lines;
    std::istringstream in(ReadBytes(site.win(kFile)));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
}

TEST(ProfileConcurrency, WritersInThreadsAndProcessesLoseNothing)
{
    run(false, 8, 200);
    run(true, 4, 200);
}

TEST(ProfileConcurrency, ThreadsAndProcessesSoak)
{
    KX_SOAK_ONLY();
    run(false, 8, 1500);
    run(true, 6, 800);
}

profile_file::Location locateInWindows(const TempSite& site, const std::string& name)
{
    profile_file::Location location;
    std::string error;
    EXPECT_EQ(profile_file::Locate(site.win(name), location, error), profile_file::Status::Ok) << error;
    return location;
}

// Whether an flock on the lock file would block now, tried in a child process.
bool lockedForOtherProcesses(const std::string& lockPath)
{
    return InChildProcess([&] {
        const int fd = ::open(lockPath.c_str(), O_RDONLY);
        return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    });
}

TEST(ProfileConcurrency, LockHoldsAcrossOtherDescriptorsAndKeepsWritersOut)
{
    TempSite site;
    WriteBytes(site.win(kFile), "[S]\r\nk=old\r\n");
    const std::string lockPath = profile_file::LockFilePath(locateInWindows(site, kFile));
    profile_file::CrossProcessLock lock;
    std::string error;
    ASSERT_TRUE(lock.acquire(locateInWindows(site, kFile), error)) << error;
    EXPECT_TRUE(lockedForOtherProcesses(lockPath));
    // Closing another descriptor of the lock file (what drops fcntl locks) must not release ours.
    ::close(::open(lockPath.c_str(), O_RDWR));
    EXPECT_TRUE(lockedForOtherProcesses(lockPath));

    // A writer in another process waits for the lock.
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(WriteProfileString(kFile, "S", "k", "new") ? 0 : 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(ReadBytes(site.win(kFile)), "[S]\r\nk=old\r\n");
    lock.release();
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(site.win(kFile)), "[S]\r\nk=new\r\n");
    EXPECT_FALSE(lockedForOtherProcesses(lockPath));
}

TEST(ProfileConcurrency, FileChangedBehindTheWriterIsNotOverwritten)
{
    TempSite site;
    const std::string path = site.win(kFile);
    const profile_file::Location location = locateInWindows(site, kFile);
    std::string read;
    std::string error;
    profile_file::FileState state;

    // Another program rewrites the file after our read: longer; same size and
    // second (only nanoseconds differ); or replaced (only the inode differs).
    const auto rewrite = [&](const std::string& text, long nanoseconds, bool replace) {
        const std::string written = replace ? site.win("other.ini") : path;
        WriteBytes(written, text);
        const timespec times[2] = {{1000000000, nanoseconds}, {1000000000, nanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, written.c_str(), times, 0), 0);
        if (replace)
            std::filesystem::rename(written, path);
    };
    const std::tuple<const char*, long, bool> changes[] = {
        {"[S]\r\nk=2\r\nforeign=1\r\n", 1, false}, {"[S]\r\nk=2\r\n", 2, false}, {"[S]\r\nk=2\r\n", 1, true}};
    for (const auto& [changed, nanoseconds, replace] : changes) {
        rewrite("[S]\r\nk=1\r\n", 1, false);
        ASSERT_EQ(profile_file::ReadFile(location.path, read, state, error), profile_file::Status::Ok);
        rewrite(changed, nanoseconds, replace);
        EXPECT_EQ(profile_file::ReplaceFile(location, "[S]\r\nk=3\r\n", state, error), profile_file::Replace::Changed)
            << changed << nanoseconds << replace;
        EXPECT_EQ(ReadBytes(path), changed);
    }

    // A file created behind a writer that saw none is not overwritten either.
    ::unlink(path.c_str());
    ASSERT_EQ(profile_file::ReadFile(location.path, read, state, error), profile_file::Status::Missing);
    WriteBytes(path, "[S]\r\nforeign=2\r\n");
    EXPECT_EQ(profile_file::ReplaceFile(location, "[S]\r\nk=3\r\n", state, error), profile_file::Replace::Changed);
    EXPECT_EQ(ReadBytes(path), "[S]\r\nforeign=2\r\n");

    // The public call reads afresh under the lock and keeps the foreign key.
    EXPECT_TRUE(WriteProfileString(kFile, "S", "k", "4"));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nforeign=2\r\nk=4\r\n");
    for (const auto& e : std::filesystem::directory_iterator(site.windows()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

}  // namespace
}  // namespace kx
