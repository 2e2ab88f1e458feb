#include "tableengine/DbfLocks.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace kx::dbf::detail {

namespace {

int setLock(int fd, off_t start, off_t length, short type)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = start;
    fl.l_len = length;
    fl.l_pid = 0;  // must be 0 for open-file-description locks
    int rc;
    do {
        rc = ::fcntl(fd, F_OFD_SETLK, &fl);
    } while (rc == -1 && errno == EINTR);
    return rc;
}

}  // namespace

LockResult TryLockRange(int fd, off_t start, off_t length, short type, int* err)
{
    if (setLock(fd, start, length, type) == 0)
        return LockResult::Acquired;
    if (errno == EAGAIN || errno == EACCES)
        return LockResult::Busy;
    if (err)
        *err = errno;
    return LockResult::Failed;
}

LockResult LockRange(int fd, off_t start, off_t length, short type, std::chrono::milliseconds timeout, int* err)
{
    using Clock = std::chrono::steady_clock;
    LockResult r = TryLockRange(fd, start, length, type, err);
    if (r != LockResult::Busy)
        return r;
    const auto deadline = Clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline)
            return LockResult::Busy;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        r = TryLockRange(fd, start, length, type, err);
        if (r != LockResult::Busy)
            return r;
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void UnlockRange(int fd, off_t start, off_t length)
{
    setLock(fd, start, length, F_UNLCK);
}

}  // namespace kx::dbf::detail
