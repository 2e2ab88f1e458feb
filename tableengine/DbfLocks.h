#pragma once
// Byte-range locks of the table files: open-file-description locks, so that
// two Table objects on one file exclude each other even inside one process and
// closing one object never drops another's locks.

#include <sys/types.h>

#include <chrono>

namespace kx::dbf::detail {

// Clipper's offsets, far beyond any end of file.
inline constexpr off_t kHeaderLockOffset = 1'000'000'000;
inline constexpr off_t kRecordLockBase = 1'000'000'000;  // record r locks kRecordLockBase + r
inline constexpr off_t kTableLockStart = 1'000'000'001;
inline constexpr off_t kTableLockLength = 1'000'000'000;
// One byte that every open Table holds shared; pack() needs it exclusive.
inline constexpr off_t kInUseOffset = off_t(1) << 62;

enum class LockResult {
    Acquired,
    Busy,
    Failed
};

// One attempt. `type` is F_WRLCK or F_RDLCK. On Failed, *err holds errno.
LockResult TryLockRange(int fd, off_t start, off_t length, short type, int* err);
// Retries with growing pauses (1 ms up to 20 ms) until `timeout` has passed.
LockResult LockRange(int fd, off_t start, off_t length, short type, std::chrono::milliseconds timeout, int* err);
void UnlockRange(int fd, off_t start, off_t length);

}  // namespace kx::dbf::detail
