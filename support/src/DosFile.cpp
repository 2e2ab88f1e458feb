#include <kxsupport/DosFile.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

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

bool ModeFlags(uint32_t mode, int& flags, int& lock)
{
    if (mode & ~static_cast<uint32_t>(0x73))
        return false;
    switch (mode & 0x03) {
    case CDosFile::modeRead: flags = O_RDONLY; break;
    case CDosFile::modeWrite: flags = O_WRONLY; break;
    case CDosFile::modeReadWrite: flags = O_RDWR; break;
    default: return false;
    }
    switch (mode & 0x70) {
    case CDosFile::shareCompat:
    case CDosFile::shareDenyNone: lock = 0; break;
    case CDosFile::shareExclusive: lock = LOCK_EX; break;
    case CDosFile::shareDenyWrite:
    case CDosFile::shareDenyRead: lock = LOCK_SH; break;
    default: return false;
    }
    return true;
}

}  // namespace

CDosFile::CDosFile(const char* fileName) : m_pszFileName(CopyName(fileName)), m_hFile(0)
{
}

CDosFile::CDosFile(const CDosFile& other) : m_pszFileName(CopyName(other.m_pszFileName)), m_hFile(0)
{
    if (other.m_hFile != 0) {
        int fd = ::fcntl(other.m_hFile, F_DUPFD_CLOEXEC, 3);
        m_hFile = fd < 0 ? 0 : fd;
    }
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
        if (other.m_hFile != 0) {
            int fd = ::fcntl(other.m_hFile, F_DUPFD_CLOEXEC, 3);
            m_hFile = fd < 0 ? 0 : fd;
        }
    }
    return *this;
}

int CDosFile::Create(uint32_t openMode)
{
    int flags, lock;
    if (!m_pszFileName || !ModeFlags(openMode, flags, lock))
        return 0;
    Close();
    int fd = ::open(m_pszFileName, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return 0;
    struct stat st;
    // Truncate only a regular file that no other opener holds a share lock on.
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
              ::ftruncate(fd, 0) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok ? Open(openMode) : 0;
}

int CDosFile::Open(uint32_t openMode)
{
    int flags, lock;
    Close();
    if (!m_pszFileName || !ModeFlags(openMode, flags, lock))
        return 0;
    int fd = AboveStandardStreams(::open(m_pszFileName, flags | O_CLOEXEC));
    if (fd < 0)
        return 0;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || (lock && ::flock(fd, lock | LOCK_NB) != 0)) {
        ::close(fd);
        return 0;
    }
    m_hFile = fd;
    return 1;
}

int CDosFile::Close()
{
    if (m_hFile == 0)
        return 0;
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

CLogFile::CLogFile(const char* fileName) : CDosFile(fileName)
{
}

CLogFile::CLogFile(const CLogFile& other) : CDosFile(other)
{
}

CLogFile::~CLogFile() = default;

CLogFile& CLogFile::operator=(const CLogFile& other)
{
    CDosFile::operator=(other);
    return *this;
}
