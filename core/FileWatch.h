#pragma once
// The file-watch thread: tells the main view when another program (or the
// console itself) has changed the mailbox table, the group table, the
// selected group's member table or, while persons' logout states are shown,
// the logout state file.
//
// A file has changed when its modification time (at full precision) or its
// size differs from what was seen last, so two writes within one second are
// not missed; a file that does not exist counts as time 0 and size 0.

#include "core/ViewMessages.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace kx {

// What a file looks like from outside, for change detection.
struct FileStamp {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of a stored path; all zero when the file does not exist.
FileStamp StampOf(const std::string& storedPath);

// The member table watched changes when the operator selects another group;
// the view sets it, the thread reads it.
class WatchedMemberTable {
public:
    void set(std::string storedPath);
    std::string get() const;

private:
    mutable std::mutex m_mutex;
    std::string m_path;
};

class FileWatch {
public:
    struct Paths {
        std::string mailboxTable;
        std::string groupTable;
        const WatchedMemberTable* memberTable = nullptr;
        std::string logoutStateFile;
    };
    // How the thread waits; tests replace it to run cycles without delay.
    using Sleeper = std::function<void(int milliseconds)>;

    FileWatch(Paths paths, ViewMessenger* messenger, Sleeper sleeper = {});

    // The thread body: keeps the first stamps, then cycles while `running`.
    void run(const std::atomic<bool>& running);
    // Cycles while `running`, from the stamps start() kept (so a caller can
    // take them before the thread runs and miss no change in between).
    void keepWatching(const std::atomic<bool>& running);

    // Start: the stamps of the four files as they are now.
    void start();
    // One cycle: the mailbox table (500 ms pause and the two sent messages
    // on a change, else a 1000 ms pause), the group table (1000 ms pause and
    // two posted messages), the member table and, when CheckPerson is 1,
    // the logout file (one posted message each).
    void cycle();

private:
    void deliver(ViewMessage message, bool sent);

    Paths m_paths;
    ViewMessenger* m_messenger;
    Sleeper m_sleep;
    FileStamp m_mailbox;
    FileStamp m_groups;
    FileStamp m_members;
    FileStamp m_logout;
};

}  // namespace kx
