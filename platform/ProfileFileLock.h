#pragma once
// The file side of the profile calls: where a profile file really is, the two
// locks that serialise its writers, a consistent read, and the atomic
// replacement.
//
// Writers hold, in this order, the in-process mutex of the file's canonical
// path and an flock on ".<name>.lock" beside the file. The lock file is never
// renamed or deleted, so every writer locks the same inode; the INI file
// itself is not locked because each write replaces it by a new inode. flock
// (not fcntl record locks) is used because closing some other descriptor of
// the lock file does not release it.

#include <sys/types.h>

#include <ctime>
#include <shared_mutex>
#include <string>
#include <string_view>

namespace kx::profile_file {

enum class Status {
    Ok,
    Missing,
    Failed
};

struct Location {
    std::string directory;  // canonical directory of the file
    std::string name;       // the file's name in it (a symbolic link's target)
    std::string path;       // directory + '/' + name
};

// Where a native path leads: symbolic links of the file itself are followed
// (a write replaces the target and keeps the link), the directory is made
// canonical. Missing when the directory does not exist; the file itself need
// not exist.
Status Locate(const std::string& nativePath, Location& location, std::string& error);

struct FileState {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec mtime{};
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;

    // Same inode, size and modification time.
    bool sameAs(const FileState& other) const;
};

// The state of `path` now (exists == false when it does not exist).
Status StateOf(const std::string& path, FileState& state, std::string& error);

// Reads the whole file. When its size, modification time or inode change
// while it is read (a program rewriting it in place), it is read again, up to
// three more times a few milliseconds apart. Missing: no such file (bytes
// empty). A directory or other non-regular file is Failed.
Status ReadFile(const std::string& path, std::string& bytes, FileState& state, std::string& error);

// The in-process lock of one canonical path: exclusive for writers, shared
// for readers. Lives as long as the process.
std::shared_mutex& PathMutex(const std::string& canonicalPath);

// ".<name>.lock" beside the file.
std::string LockFilePath(const Location& location);

// An exclusive flock on the lock file, held until release() or destruction.
// The lock file is created on first use (mode 0666 less the umask); when it
// cannot be opened for writing it is opened read-only, which flock accepts.
class CrossProcessLock {
public:
    CrossProcessLock() = default;
    CrossProcessLock(const CrossProcessLock&) = delete;
    CrossProcessLock& operator=(const CrossProcessLock&) = delete;
    ~CrossProcessLock();

    bool acquire(const Location& location, std::string& error);
    void release();

private:
    int fd_ = -1;
};

// Whether an existing file may be replaced: not when it has no write
// permission bit at all (a read-only file, whoever the caller is) or when the
// caller may not write it.
bool MayReplace(const Location& location, const FileState& state, std::string& error);

// Removes temporary files of ReplaceFile() for this file that a killed
// writer left. Call it holding the CrossProcessLock: every writer makes its
// temporary file only under that lock, so any found then is stale.
void RemoveStaleTemporaries(const Location& location);

enum class Replace {
    Done,
    Changed,
    Failed
};
// Writes `bytes` to a new file in the directory (anonymous with O_TMPFILE
// where the file system has it, else hidden and O_CREAT|O_EXCL), fsyncs it,
// gives it the old file's mode (and owner and group when permitted), checks
// that the file still is what was read (`before`), names it (when
// anonymous), renames it over the file and fsyncs the directory. Changed:
// another program changed the file after it was read; nothing written. On
// Changed and Failed the temporary file is gone and the file is as it was.
Replace ReplaceFile(const Location& location, std::string_view bytes, const FileState& before, std::string& error);

}  // namespace kx::profile_file
