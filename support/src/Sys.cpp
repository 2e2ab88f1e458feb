#include "Sys.h"

#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace kxsupport_detail {

int PollFor(pollfd* fds, nfds_t count, int64_t waitMs)
{
    const int64_t deadline = waitMs < 0 ? -1 : NowMs() + waitMs;
    for (;;) {
        int64_t left = LeftMs(deadline);
        int timeout = left > 1000000000 ? 1000000000 : static_cast<int>(left);
        int r = ::poll(fds, count, timeout);
        if (r >= 0 || errno != EINTR)
            return r;
    }
}

void SignalWake(int fd)
{
    if (fd >= 0) {
        eventfd_t one = 1;
        while (::write(fd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
}

void ClearWake(int fd)
{
    if (fd >= 0) {
        eventfd_t value;
        while (::read(fd, &value, sizeof value) < 0 && errno == EINTR) {
        }
    }
}

namespace {

// Creates `dir` with mode 0700 unless it exists. With `strict`, the directory
// must also be a real directory of this user that nobody else may write to,
// because a default location in /tmp could have been planted by someone else.
bool EnsureDirectory(const std::string& dir, bool strict)
{
    if (::mkdir(dir.c_str(), 0700) == 0) {
        ::chmod(dir.c_str(), 0700);
    } else if (errno != EEXIST) {
        return false;
    }
    struct stat st;
    if (strict) {
        if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return false;
        return st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
    }
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool ResolvePipeDirectory(std::string& dir)
{
    const char* env = std::getenv("KX_PIPEDIR");
    if (env && *env) {
        dir = env;
        return EnsureDirectory(dir, false);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st;
    if (runtime && runtime[0] == '/' && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
        dir = std::string(runtime) + "/kxpipes";
    else
        dir = "/tmp/kxpipes-" + std::to_string(::geteuid());
    return EnsureDirectory(dir, true);
}

std::string EncodePipeName(const char* name)
{
    std::string out;
    for (const char* p = name; *p; ++p) {
        char c = *p;
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if (c == '%')
            out += "%25";
        else if (c == '/')
            out += "%2F";
        else
            out += c;
    }
    return out;
}

}  // namespace kxsupport_detail
