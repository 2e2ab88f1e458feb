// Writers of one file in several threads and several processes: no key is
// lost, the file stays well formed, and a reader never misses a key whose
// write had already returned. Also the lock itself: it holds while another
// descriptor of the lock file is closed, it keeps other processes' writes
// out, and a file changed behind a writer's back is not overwritten.

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
constexpr char kSection[] = "Keys";

std::string keyName(int writer, int n)
{
    return "w" + std::to_string(writer) + "k" + std::to_string(n);
}

// Progress of the writers, readable from other threads and processes.
struct Progress {
    std::atomic<int> written[16];
    std::atomic<int> failed;
};

// One writer: `count` distinct keys, progress published after each write returned.
bool writeKeys(int writer, int count, Progress& progress)
{
    for (int n = 0; n < count; ++n) {
        if (!WriteProfileInt(kFile, kSection, keyName(writer, n), n)) {
            std::fprintf(stderr, "writer %d key %d: %s\n", writer, n, ProfileLastError().c_str());
            progress.failed.fetch_add(1);
            return false;
        }
        progress.written[writer].store(n + 1, std::memory_order_release);
    }
    return true;
}

// Reads until `done`; each read must hold every key whose write had returned
// before the read began. Returns the number of reads.
template <typename Done>
int checkReader(int writers, const Progress& progress, Done done)
{
    int reads = 0;
    while (!done()) {
        std::vector<int> seen(static_cast<std::size_t>(writers));
        for (int w = 0; w < writers; ++w)
            seen[static_cast<std::size_t>(w)] = progress.written[w].load(std::memory_order_acquire);
        const std::vector<std::string> names = ProfileKeyNames(kFile, kSection);
        const std::set<std::string> present(names.begin(), names.end());
        for (int w = 0; w < writers; ++w)
            for (int n = 0; n < seen[static_cast<std::size_t>(w)]; ++n)
                if (!present.count(keyName(w, n))) {
                    ADD_FAILURE() << "reader missed " << keyName(w, n);
                    return reads;
                }
        ++reads;
    }
    return reads;
}

// Every key there once with its value, one header, nothing else.
void expectComplete(const std::string& path, int writers, int count)
{
    const std::string text = ReadBytes(path);
    std::istringstream lines(text);
    std::string line;
    std::set<std::string> keys;
    int headers = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r') << "line without CRLF";
        line.pop_back();
        if (line == "[" + std::string(kSection) + "]") {
            ++headers;
            continue;
        }
        const std::size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        const std::string key = line.substr(0, eq);
        ASSERT_TRUE(keys.insert(key).second) << "duplicate " << key;
        ASSERT_EQ(line.substr(eq + 1), key.substr(key.find('k') + 1)) << line;
    }
    EXPECT_EQ(headers, 1);
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(writers * count));
    for (int w = 0; w < writers; ++w)
        for (int n = 0; n < count; n += 37)
            EXPECT_EQ(ProfileInt(kFile, kSection, keyName(w, n), -1), n);
}

// Writers in threads or in processes (progress in shared memory), one reader.
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
        if (!processes) {
            threads.emplace_back([=] { writeKeys(w, count, *progress); });
            continue;
        }
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(writeKeys(w, count, *progress) ? 0 : 1);
        children.push_back(pid);
    }
    const int reads = checkReader(writers, *progress, [&] {
        int done = 0;
        for (int w = 0; w < writers; ++w)
            done += progress->written[w].load() == count;
        return done + progress->failed.load() == writers;
    });
    for (std::thread& t : threads)
        t.join();
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(progress->failed.load(), 0);
    EXPECT_GT(reads, 0);
    expectComplete(site.win(kFile), writers, count);
    ::munmap(shared, sizeof(Progress));
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

// In a child process: whether an flock on the lock file would block now.
bool lockedForOtherProcesses(const std::string& lockPath)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(lockPath.c_str(), O_RDONLY);
        ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(ProfileConcurrency, LockHoldsAcrossOtherDescriptorsAndKeepsWritersOut)
{
    TempSite site;
    WriteBytes(site.win(kFile), "[S]\r\nk=old\r\n");
    const profile_file::Location location = locateInWindows(site, kFile);
    const std::string lockPath = profile_file::LockFilePath(location);

    profile_file::CrossProcessLock lock;
    std::string error;
    ASSERT_TRUE(lock.acquire(location, error)) << error;
    EXPECT_TRUE(lockedForOtherProcesses(lockPath));
    // Closing another descriptor of the lock file (what drops fcntl locks)
    // must not release ours.
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
    WriteBytes(path, "[S]\r\nk=1\r\n");
    const profile_file::Location location = locateInWindows(site, kFile);
    std::string read;
    std::string error;
    profile_file::FileState state;

    // Another program rewrites the file after our read: longer; of the same
    // size within the same second (only the nanoseconds differ); or replaced
    // by another file of the same size and time (only the inode differs).
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

    for (const auto& e : std::filesystem::directory_iterator(site.windows()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();

    // The public call reads afresh under the lock and keeps the foreign key.
    EXPECT_TRUE(WriteProfileString(kFile, "S", "k", "4"));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nforeign=2\r\nk=4\r\n");
}

}  // namespace
}  // namespace kx
