#include "platform/ProfileFileLock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace kx::profile_file {

namespace {

constexpr int kMaxSymlinkHops = 40;
constexpr int kReadRetries = 3;
constexpr auto kReadRetryPause = std::chrono::milliseconds(2);

std::string errnoText(int err)
{
    return std::strerror(err);
}

FileState stateFromStat(const struct stat& st)
{
    FileState s;
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    s.mode = st.st_mode;
    s.owner = st.st_uid;
    s.group = st.st_gid;
    return s;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports close's own error (a write-back failure).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads from fd until end of file into bytes (resized to what was read).
bool readAll(int fd, std::size_t expected, std::string& bytes)
{
    bytes.resize(expected + 1);  // one more byte notices a file that grew
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    return true;
}

// A name for a temporary file that no other writer picks: process id, a
// per-process counter and the clock.
std::string temporaryName(const Location& location)
{
    static std::atomic<unsigned long> counter{0};
    const auto now = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[80];
    std::snprintf(suffix, sizeof suffix, ".%lx.%lx.%llx.tmp", static_cast<unsigned long>(::getpid()),
                  counter.fetch_add(1, std::memory_order_relaxed), now & 0xFFFFFFull);
    return location.directory + "/." + location.name + suffix;
}

// Whether a directory entry is a temporary file that temporaryName() made
// for this file: "." name "." three hexadecimal numbers ".tmp".
bool isTemporaryOf(std::string_view entry, const Location& location)
{
    const std::string prefix = "." + location.name + ".";
    constexpr std::string_view kSuffix = ".tmp";
    if (entry.size() <= prefix.size() + kSuffix.size() || entry.substr(0, prefix.size()) != prefix ||
        entry.substr(entry.size() - kSuffix.size()) != kSuffix)
        return false;
    const std::string_view middle = entry.substr(prefix.size(), entry.size() - prefix.size() - kSuffix.size());
    int numbers = 1;
    bool digitBefore = false;
    for (const char c : middle) {
        if (c == '.') {
            if (!digitBefore)
                return false;
            ++numbers;
            digitBefore = false;
        } else if (std::isxdigit(static_cast<unsigned char>(c)) && !std::isupper(static_cast<unsigned char>(c))) {
            digitBefore = true;
        } else {
            return false;
        }
    }
    return numbers == 3 && digitBefore;
}

// A new temporary file in the directory, open for writing. Where the file
// system offers them, an anonymous one (O_TMPFILE): a writer killed before
// it is published leaves nothing behind. `anonymous` tells which it is; a
// named one is at `temp`.
int createTemporary(const Location& location, mode_t mode, std::string& temp, bool& anonymous, std::string& error)
{
#ifdef O_TMPFILE
    const int fd = ::open(location.directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0) {
        anonymous = true;
        return fd;
    }
#endif
    anonymous = false;
    for (int tries = 0; tries < 100; ++tries) {
        temp = temporaryName(location);
        const int named = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, mode);
        if (named >= 0)
            return named;
        if (errno != EEXIST) {
            error = "cannot create a file in " + location.directory + ": " + errnoText(errno);
            return -1;
        }
    }
    error = "cannot find a free temporary name in " + location.directory;
    return -1;
}

// Gives an anonymous temporary file a name of temporaryName() in its
// directory, so that it can be renamed over the file. Linking through
// /proc needs no privilege; AT_EMPTY_PATH is the way without /proc.
bool publishTemporary(int fd, const Location& location, std::string& temp, std::string& error)
{
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (int tries = 0; tries < 100; ++tries) {
        temp = temporaryName(location);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno == EEXIST)
            continue;
        if (::linkat(fd, "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0)
            return true;
        if (errno == EEXIST)
            continue;
        error = "cannot name the new file in " + location.directory + ": " + errnoText(errno);
        return false;
    }
    error = "cannot find a free temporary name in " + location.directory;
    return false;
}

}  // namespace

bool FileState::sameAs(const FileState& other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    return device == other.device && inode == other.inode && size == other.size && mtime.tv_sec == other.mtime.tv_sec &&
           mtime.tv_nsec == other.mtime.tv_nsec;
}

Status Locate(const std::string& nativePath, Location& location, std::string& error)
{
    if (nativePath.empty()) {
        error = "no file name given";
        return Status::Failed;
    }
    std::string path = nativePath;
    for (int hops = 0;; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT || errno == ENOTDIR)
                break;  // a file still to be created, or a missing directory (below)
            error = "cannot look at " + path + ": " + errnoText(errno);
            return Status::Failed;
        }
        if (!S_ISLNK(st.st_mode))
            break;
        if (hops == kMaxSymlinkHops) {
            error = "too many levels of symbolic links at " + nativePath;
            return Status::Failed;
        }
        std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        ssize_t n;
        for (;;) {
            n = ::readlink(path.c_str(), target.data(), target.size());
            if (n < 0) {
                error = "cannot read the symbolic link " + path + ": " + errnoText(errno);
                return Status::Failed;
            }
            if (static_cast<std::size_t>(n) < target.size())
                break;
            target.resize(target.size() * 2);
        }
        std::string next(target.data(), static_cast<std::size_t>(n));
        path = (!next.empty() && next.front() == '/') ? next : directoryOf(path) + "/" + next;
    }

    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string directory = directoryOf(path);
    if (name.empty()) {
        error = path + " names a directory, not a file";
        return Status::Failed;
    }
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(directory.c_str(), nullptr), &std::free);
    if (!real) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            error = "directory " + directory + " does not exist";
            return Status::Missing;
        }
        error = "cannot resolve directory " + directory + ": " + errnoText(err);
        return Status::Failed;
    }
    location.directory = real.get();
    location.name = name;
    location.path = location.directory;
    if (location.path.back() != '/')
        location.path += '/';
    location.path += name;
    return Status::Ok;
}

Status StateOf(const std::string& path, FileState& state, std::string& error)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) {
            state = FileState{};
            return Status::Missing;
        }
        error = "cannot look at " + path + ": " + errnoText(errno);
        return Status::Failed;
    }
    state = stateFromStat(st);
    return Status::Ok;
}

Status ReadFile(const std::string& path, std::string& bytes, FileState& state, std::string& error)
{
    for (int attempt = 0;; ++attempt) {
        // O_NONBLOCK: a FIFO in the file's place must not hang the caller.
        Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (fd.get() < 0) {
            const int err = errno;
            bytes.clear();
            state = FileState{};
            if (err == ENOENT) {
                error = "file " + path + " not found";
                return Status::Missing;
            }
            error = "cannot open " + path + ": " + errnoText(err);
            return Status::Failed;
        }
        struct stat before;
        if (::fstat(fd.get(), &before) != 0) {
            error = "cannot look at " + path + ": " + errnoText(errno);
            return Status::Failed;
        }
        if (S_ISDIR(before.st_mode)) {
            error = path + " is a directory, not a file";
            return Status::Failed;
        }
        if (!S_ISREG(before.st_mode)) {
            error = path + " is not a regular file";
            return Status::Failed;
        }
        if (!readAll(fd.get(), static_cast<std::size_t>(before.st_size), bytes)) {
            const int err = errno;
            error = "cannot read " + path + ": " + errnoText(err);
            return Status::Failed;
        }
        struct stat after;
        if (::fstat(fd.get(), &after) != 0) {
            error = "cannot look at " + path + ": " + errnoText(errno);
            return Status::Failed;
        }
        state = stateFromStat(after);
        const bool steady = stateFromStat(before).sameAs(state) && static_cast<off_t>(bytes.size()) == after.st_size;
        if (steady || attempt == kReadRetries)
            return Status::Ok;
        std::this_thread::sleep_for(kReadRetryPause);
    }
}

std::shared_mutex& PathMutex(const std::string& canonicalPath)
{
    static std::mutex registryMutex;
    static auto* registry = new std::unordered_map<std::string, std::unique_ptr<std::shared_mutex>>();
    std::lock_guard lock(registryMutex);
    auto& slot = (*registry)[canonicalPath];
    if (!slot)
        slot = std::make_unique<std::shared_mutex>();
    return *slot;
}

std::string LockFilePath(const Location& location)
{
    std::string path = location.directory;
    if (path.back() != '/')
        path += '/';
    path += '.';
    path += location.name;
    path += ".lock";
    return path;
}

CrossProcessLock::~CrossProcessLock()
{
    release();
}

bool CrossProcessLock::acquire(const Location& location, std::string& error)
{
    release();
    const std::string path = LockFilePath(location);
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        const int err = errno;
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            error = "cannot create the lock file " + path + ": " + errnoText(err);
            return false;
        }
    }
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        error = "cannot lock " + path + ": " + errnoText(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void CrossProcessLock::release()
{
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

bool MayReplace(const Location& location, const FileState& state, std::string& error)
{
    if (!state.exists)
        return true;
    if ((state.mode & 0222) == 0) {
        error = location.path + " is read-only";
        return false;
    }
    if (::faccessat(AT_FDCWD, location.path.c_str(), W_OK, AT_EACCESS) != 0) {
        error = "no permission to write " + location.path + ": " + errnoText(errno);
        return false;
    }
    return true;
}

void RemoveStaleTemporaries(const Location& location)
{
    DIR* dir = ::opendir(location.directory.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir))
        if (isTemporaryOf(entry->d_name, location))
            (void)::unlinkat(::dirfd(dir), entry->d_name, 0);
    ::closedir(dir);
}

Replace ReplaceFile(const Location& location, std::string_view bytes, const FileState& before, std::string& error)
{
    std::string temp;
    bool anonymous = false;
    // A new file gets 0666 less the umask, like any new file; a replacement
    // starts private and receives the old file's mode below.
    const int rawFd = createTemporary(location, before.exists ? 0600 : 0666, temp, anonymous, error);
    if (rawFd < 0)
        return Replace::Failed;
    Fd fd(rawFd);
    auto fail = [&](const std::string& what, int err) {
        error = what + ": " + errnoText(err);
        fd.close();
        if (!anonymous)
            ::unlink(temp.c_str());
        return Replace::Failed;
    };
    const std::string tempName = anonymous ? "a new file in " + location.directory : temp;

    if (!writeAll(fd.get(), bytes)) {
        const int err = errno;
        return fail("cannot write " + tempName, err);
    }
    if (::fsync(fd.get()) != 0) {
        const int err = errno;
        return fail("cannot flush " + tempName, err);
    }
    if (before.exists) {
        // Owner and group first: changing them may clear set-id bits that
        // the mode then restores. Only the owner's superuser may give a file
        // away, so a failure here is no error: the file then keeps ours.
        struct stat st;
        if (::fstat(fd.get(), &st) == 0 && (st.st_uid != before.owner || st.st_gid != before.group) &&
            ::fchown(fd.get(), before.owner, before.group) != 0) {
        }
        if (::fchmod(fd.get(), before.mode & 07777) != 0) {
            const int err = errno;
            return fail("cannot set the mode of " + tempName, err);
        }
    }
    // A program that does not take our lock may have written the file since
    // it was read; replacing it now would lose that change.
    FileState now;
    std::string statError;
    const Status state = StateOf(location.path, now, statError);
    if (state == Status::Failed || !now.sameAs(before)) {
        fd.close();
        if (!anonymous)
            ::unlink(temp.c_str());
        error = statError;
        return state == Status::Failed ? Replace::Failed : Replace::Changed;
    }
    // From here until the rename, a named file exists: a writer killed in
    // between leaves it, and the next writer removes it.
    if (anonymous && !publishTemporary(fd.get(), location, temp, error)) {
        fd.close();
        return Replace::Failed;
    }
    if (!fd.close()) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = "cannot write " + tempName + ": " + errnoText(err);
        return Replace::Failed;
    }

    if (::rename(temp.c_str(), location.path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = "cannot replace " + location.path + ": " + errnoText(err);
        return Replace::Failed;
    }
    // Make the rename itself durable. Some file systems refuse fsync on a
    // directory; the file is already in place then, so that is no failure.
    const int dirFd = ::open(location.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return Replace::Done;
}

}  // namespace kx::profile_file
