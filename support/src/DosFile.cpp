#include <kxsupport/DosFile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Share modes are kept in open-file-description locks on four bytes of the
// file itself, at the very top of the offset range: far beyond any end of
// file and clear of every table-locking scheme (none goes above 2^62). Each
// open holds a shared lock on the byte of every access it has and of every
// access it denies, and is refused when another open holds a byte that
// conflicts with its own. Only shared locks are taken, so any number of
// opens may hold one byte; a conflict is seen by asking whether an exclusive
// lock could be had (F_OFD_GETLK), which ignores the asker's own locks.
constexpr off_t kShareBase = std::numeric_limits<off_t>::max() - 3;
enum ShareByte : unsigned {
    byteRead = 1,
    byteWrite = 2,
    byteDenyRead = 4,
    byteDenyWrite = 8
};

struct ShareBytes {
    unsigned held;       // bytes this open holds
    unsigned conflicts;  // bytes no other open may hold
};

ShareBytes BytesOf(bool read, bool write, bool denyRead, bool denyWrite)
{
    ShareBytes b = {0, 0};
    if (read) {
        b.held |= byteRead;
        b.conflicts |= byteDenyRead;
    }
    if (write) {
        b.held |= byteWrite;
        b.conflicts |= byteDenyWrite;
    }
    if (denyRead) {
        b.held |= byteDenyRead;
        b.conflicts |= byteRead;
    }
    if (denyWrite) {
        b.held |= byteDenyWrite;
        b.conflicts |= byteWrite;
    }
    return b;
}

// F_OFD_SETLK or F_OFD_GETLK on share byte `bit`; for GETLK `type` comes
// back as F_UNLCK when no other open holds the byte.
bool ShareLock(int fd, unsigned bit, int command, short& type)
{
    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = kShareBase + __builtin_ctz(bit);
    fl.l_len = 1;
    while (::fcntl(fd, command, &fl) != 0) {
        if (errno != EINTR)
            return false;
    }
    type = fl.l_type;
    return true;
}

char* CopyName(const char* name)
{
    return name ? ::strdup(name) : nullptr;
}

// Moves a descriptor above the standard streams (see the class comment).
int AboveStandardStreams(int fd)
{
    if (fd < 0 || fd > 2)
        return fd;
    int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    return moved;
}

bool ModeFlags(uint32_t mode, int& flags, ShareBytes& bytes)
{
    if (mode & ~static_cast<uint32_t>(0x73))
        return false;
    switch (mode & 0x03) {
    case CDosFile::modeRead:
        flags = O_RDONLY;
        break;
    case CDosFile::modeWrite:
        flags = O_WRONLY;
        break;
    case CDosFile::modeReadWrite:
        flags = O_RDWR;
        break;
    default:
        return false;
    }
    const bool read = flags != O_WRONLY, write = flags != O_RDONLY;
    switch (mode & 0x70) {
    case CDosFile::shareCompat:  // compat is deny-none, as Windows maps it
    case CDosFile::shareDenyNone:
        bytes = BytesOf(read, write, false, false);
        break;
    case CDosFile::shareExclusive:
        bytes = BytesOf(read, write, true, true);
        break;
    case CDosFile::shareDenyWrite:
        bytes = BytesOf(read, write, false, true);
        break;
    case CDosFile::shareDenyRead:
        bytes = BytesOf(read, write, true, false);
        break;
    default:
        return false;
    }
    return true;
}

// Enters the open of `fd` (opened with `flags`) into the share scheme: takes
// its bytes, then checks the others'. Shared locks need a descriptor open for
// reading; for a write-only open of a regular file `lockFd` gets a read-only
// one of the same file (-1 otherwise). A write-only open without one (a device,
// or a file that may not be read) is checked but holds nothing. False on a
// conflict or failure.
bool JoinShare(const char* name, int fd, int flags, const struct stat& st, ShareBytes bytes, int& lockFd)
{
    lockFd = -1;
    int holder = fd;
    if (flags == O_WRONLY) {
        if (S_ISREG(st.st_mode))
            lockFd = AboveStandardStreams(::open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        struct stat same;
        if (lockFd >= 0 && (::fstat(lockFd, &same) != 0 || same.st_dev != st.st_dev || same.st_ino != st.st_ino)) {
            ::close(lockFd);
            return false;  // the name now leads to another file
        }
        holder = lockFd;
    }
    bool ok = true;
    for (unsigned bit = 1; ok && bit <= byteDenyWrite; bit <<= 1) {
        short type = F_RDLCK;
        if (holder >= 0 && (bytes.held & bit))
            ok = ShareLock(holder, bit, F_OFD_SETLK, type);
    }
    for (unsigned bit = 1; ok && bit <= byteDenyWrite; bit <<= 1) {
        short type = F_WRLCK;
        if (bytes.conflicts & bit)
            ok = ShareLock(holder >= 0 ? holder : fd, bit, F_OFD_GETLK, type) && type == F_UNLCK;
    }
    if (!ok && lockFd >= 0) {
        ::close(lockFd);
        lockFd = -1;
    }
    return ok;
}

}  // namespace

CDosFile::CDosFile(const char* fileName) : m_pszFileName(CopyName(fileName)), m_hFile(0), m_hShare(-1) {}

CDosFile::CDosFile(const CDosFile& other) : m_pszFileName(CopyName(other.m_pszFileName)), m_hFile(0), m_hShare(-1)
{
    CopyHandles(other);
}

void CDosFile::CopyHandles(const CDosFile& other)
{
    if (other.m_hFile == 0)
        return;
    int fd = ::fcntl(other.m_hFile, F_DUPFD_CLOEXEC, 3);
    int share = other.m_hShare >= 0 ? ::fcntl(other.m_hShare, F_DUPFD_CLOEXEC, 3) : -1;
    if (fd < 0 || (other.m_hShare >= 0 && share < 0)) {
        // Without its share descriptor a copy would hold the file unseen.
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_hFile = fd;
    m_hShare = share;
}

CDosFile::~CDosFile()
{
    Close();
    std::free(m_pszFileName);
}

CDosFile& CDosFile::operator=(const CDosFile& other)
{
    if (this != &other) {
        Close();
        std::free(m_pszFileName);
        m_pszFileName = CopyName(other.m_pszFileName);
        CopyHandles(other);
    }
    return *this;
}

int CDosFile::Create(uint32_t openMode)
{
    int flags;
    ShareBytes bytes;
    if (!m_pszFileName || !ModeFlags(openMode, flags, bytes))
        return 0;
    Close();
    int fd = AboveStandardStreams(::open(m_pszFileName, O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (fd < 0)
        return 0;
    // Truncate only a regular file that no other open denies reading or
    // writing: the creation is a read/write open that shares both.
    struct stat st;
    int lockFd = -1;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              JoinShare(m_pszFileName, fd, O_WRONLY, st, BytesOf(true, true, false, false), lockFd) &&
              ::ftruncate(fd, 0) == 0;
    if (lockFd >= 0)
        ::close(lockFd);
    ok = ::close(fd) == 0 && ok;
    return ok ? Open(openMode) : 0;
}

int CDosFile::Open(uint32_t openMode)
{
    int flags;
    ShareBytes bytes;
    Close();
    if (!m_pszFileName || !ModeFlags(openMode, flags, bytes))
        return 0;
    int fd = AboveStandardStreams(::open(m_pszFileName, flags | O_CLOEXEC));
    if (fd < 0)
        return 0;
    struct stat st;
    int lockFd = -1;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || !JoinShare(m_pszFileName, fd, flags, st, bytes, lockFd)) {
        ::close(fd);
        return 0;
    }
    m_hFile = fd;
    m_hShare = lockFd;
    return 1;
}

int CDosFile::Close()
{
    if (m_hFile == 0)
        return 0;
    if (m_hShare >= 0)
        ::close(m_hShare);
    m_hShare = -1;
    int r = ::close(m_hFile);
    m_hFile = 0;
    return r == 0 ? 1 : 0;
}

int CDosFile::Seek(uint32_t position)
{
    if (m_hFile == 0)
        return 0;
    return ::lseek(m_hFile, static_cast<off_t>(position), SEEK_SET) == static_cast<off_t>(position) ? 1 : 0;
}

int CDosFile::SeekEof()
{
    if (m_hFile == 0)
        return 0;
    return ::lseek(m_hFile, 0, SEEK_END) >= 0 ? 1 : 0;
}

int32_t CDosFile::GetPos() const
{
    if (m_hFile == 0)
        return -1;
    off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0 || pos > INT32_MAX)
        return -1;
    return static_cast<int32_t>(pos);
}

int CDosFile::Read(void* buffer, uint32_t count, uint32_t& bytesRead)
{
    bytesRead = 0;
    if (m_hFile == 0 || (!buffer && count > 0))
        return 0;
    char* p = static_cast<char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::read(m_hFile, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return 0;
        }
        if (n == 0)
            break;  // end of file
        done += static_cast<uint32_t>(n);
    }
    bytesRead = done;
    return 1;
}

int CDosFile::Read(void* buffer, uint32_t count)
{
    uint32_t ignored;
    return Read(buffer, count, ignored);
}

int CDosFile::ReadLine(char* buffer, uint32_t bufferSize)
{
    if (buffer && bufferSize > 0)
        buffer[0] = '\0';
    if (m_hFile == 0 || !buffer || bufferSize < 2)
        return 0;
    const off_t start = ::lseek(m_hFile, 0, SEEK_CUR);
    if (start < 0)
        return 0;
    uint32_t got;
    if (!Read(buffer, bufferSize - 1, got)) {
        ::lseek(m_hFile, start, SEEK_SET);
        buffer[0] = '\0';
        return 0;
    }
    buffer[got] = '\0';
    for (uint32_t i = 0; i + 1 < got; ++i) {
        if (buffer[i] == '\r' && buffer[i + 1] == '\n') {
            buffer[i] = '\0';
            // Continue just behind the line feed.
            return ::lseek(m_hFile, start + static_cast<off_t>(i) + 2, SEEK_SET) >= 0 ? 1 : 0;
        }
    }
    // No CR LF: the whole block is the line (or a piece of it), and the
    // position already stands behind it. At the end of the file nothing was
    // read and the position has not moved.
    return 1;
}

int CDosFile::Write(const void* buffer, uint32_t count, uint32_t& bytesWritten)
{
    bytesWritten = 0;
    if (m_hFile == 0 || (!buffer && count > 0))
        return 0;
    const char* p = static_cast<const char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::write(m_hFile, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return 0;
        }
        done += static_cast<uint32_t>(n);
    }
    bytesWritten = done;
    return 1;
}

int CDosFile::Write(const void* buffer, uint32_t count)
{
    uint32_t ignored;
    return Write(buffer, count, ignored);
}

CLogFile::CLogFile(const char* fileName) : CDosFile(fileName) {}

CLogFile::CLogFile(const CLogFile& other) : CDosFile(other) {}

CLogFile::~CLogFile() = default;

CLogFile& CLogFile::operator=(const CLogFile& other)
{
    CDosFile::operator=(other);
    return *this;
}
