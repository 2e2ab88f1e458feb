// Small POSIX helpers shared by the library's sources (not installed).
#pragma once

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace kxsupport_detail {

inline int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// poll() that resumes after signals and keeps the overall time-out.
// waitMs < 0 waits without limit.
int PollFor(pollfd* fds, nfds_t count, int64_t waitMs);

// Milliseconds left until `deadline`, never below 0; -1 for "no deadline".
inline int64_t LeftMs(int64_t deadline)
{
    if (deadline < 0)
        return -1;
    int64_t left = deadline - NowMs();
    return left < 0 ? 0 : left;
}

// Signals / clears an eventfd used to wake waiting threads.
void SignalWake(int fd);
void ClearWake(int fd);

// Sets a terminal's input and output speed to `rate` bits per second through
// termios2 (BOTHER), for rates without a termios constant. False when the
// device refuses it or ends up more than 2 % away from the rate.
bool SetOtherSpeed(int fd, unsigned rate);

// The pipe directory (created when needed); false when it cannot be used.
bool ResolvePipeDirectory(std::string& dir);

// The file-name form of a pipe name: ASCII letters in lower case, '%' and '/'
// escaped as %25 and %2F.
std::string EncodePipeName(const char* name);

}  // namespace kxsupport_detail
