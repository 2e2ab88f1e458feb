#include <kxsupport/NamedPipe.h>

#include "Sys.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace kxsupport_detail;

namespace {

// How often a client looks again for a free instance while all are busy.
constexpr int64_t kBusyRetryMs = 10;
constexpr uint32_t kInitialCapacity = 4096;

enum OpenResult {
    openConnected,
    openBusy,
    openNoPipe,
    openFailed
};

bool FillAddress(sockaddr_un& addr, const std::string& path)
{
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path)
        return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// True when some open file description holds the slot's lock, i.e. a server
// instance owns the slot.
bool SlotOwned(const std::string& lockPath)
{
    int fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    bool owned = ::fcntl(fd, F_OFD_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
    ::close(fd);
    return owned;
}

// Slot numbers of the sockets "<encoded>.<k>" present in `dir`, ascending.
std::vector<int> ListSlots(const std::string& dir, const std::string& encoded)
{
    std::vector<int> slots;
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        // A shared directory may be searchable but not readable. Servers
        // create the lock files of slots 0, 1, ... in turn before they take
        // one, so the slots in use lie below the first missing lock file.
        struct stat st;
        for (int k = 0; k < CNamedPipe::kMaxInstances; ++k) {
            const std::string base = dir + "/" + encoded + "." + std::to_string(k);
            if (::stat((base + ".lock").c_str(), &st) != 0)
                break;
            slots.push_back(k);
        }
        return slots;
    }
    const std::string prefix = encoded + ".";
    while (dirent* e = ::readdir(d)) {
        const char* name = e->d_name;
        if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0)
            continue;
        const char* digits = name + prefix.size();
        size_t n = std::strlen(digits);
        if (n == 0 || n > 3 || std::strspn(digits, "0123456789") != n)
            continue;
        int k = std::atoi(digits);
        if (k < CNamedPipe::kMaxInstances)
            slots.push_back(k);
    }
    ::closedir(d);
    std::sort(slots.begin(), slots.end());
    return slots;
}

bool CopyName(char (&target)[40], const char* source)
{
    size_t n = std::strlen(source);
    if (n > static_cast<size_t>(CNamedPipe::kMaxName))
        return false;
    std::memcpy(target, source, n + 1);
    return true;
}

// The part of a computer name before its first dot, in lower case.
std::string ShortName(const char* name)
{
    std::string out;
    for (const char* p = name; *p && *p != '.'; ++p)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return out;
}

// True for a server name that means this computer: empty, ".", "localhost",
// or this computer's host name. Names are compared without regard to case
// and by their part before the first dot, so a stored "PC7" and "pc7.lan"
// both reach the pipes of the computer whose host name is pc7.example.
bool IsLocalServer(const char* server)
{
    if (server[0] == '\0' || std::strcmp(server, ".") == 0)
        return true;
    const std::string given = ShortName(server);
    if (given.empty())
        return false;
    if (given == "localhost")
        return true;
    char host[256] = {};
    return ::gethostname(host, sizeof host - 1) == 0 && given == ShortName(host);
}

int64_t TenthsToMs(int tenths)
{
    return tenths < 0 ? -1 : static_cast<int64_t>(tenths) * 100;
}

}  // namespace

// The socket of a connection and, on the server side, the instance it came
// from. Closing the last reference closes the sockets, removes the instance's
// socket file and releases its slot.
struct CNamedPipe::Endpoint {
    int conn = -1;
    int listen = -1;
    int slotLock = -1;
    bool server = false;
    std::string socketPath;

    ~Endpoint() { Close(false); }

    // With `hangUp` the connection is shut down first, which ends it for every
    // descriptor that refers to it.
    void Close(bool hangUp)
    {
        if (conn >= 0) {
            if (hangUp)
                ::shutdown(conn, SHUT_RDWR);
            ::close(conn);
            conn = -1;
        }
        if (listen >= 0) {
            ::close(listen);
            listen = -1;
        }
        if (slotLock >= 0) {
            // Still the slot's owner: the socket file is ours to remove.
            if (!socketPath.empty())
                ::unlink(socketPath.c_str());
            ::close(slotLock);
            slotLock = -1;
        }
        socketPath.clear();
    }
};

CNamedPipe::CNamedPipe()
    : m_szServer{},
      m_szPipe{},
      m_nRole(roleNone),
      m_nState(stateIdle),
      m_nConnections(0),
      m_bPublic(0),
      m_nBuffered(0),
      m_pBuffer(nullptr),
      m_hWake(-1),
      m_nCapacity(0),
      m_bCancelled(false),
      m_nReadStatus(readOk),
      m_bDiscarding(false)
{}

CNamedPipe::CNamedPipe(const CNamedPipe& other) : CNamedPipe()
{
    CopyFrom(other);
}

CNamedPipe& CNamedPipe::operator=(const CNamedPipe& other)
{
    if (this != &other) {
        Release();
        CopyFrom(other);
    }
    return *this;
}

CNamedPipe::~CNamedPipe()
{
    Release();
}

void CNamedPipe::Release()
{
    m_pEndpoint.reset();
    if (m_hWake >= 0) {
        ::close(m_hWake);
        m_hWake = -1;
    }
    std::free(m_pBuffer);
    m_pBuffer = nullptr;
    DropBuffered();
    m_nCapacity = 0;
    m_nState = stateIdle;
}

void CNamedPipe::CopyFrom(const CNamedPipe& other)
{
    std::memcpy(m_szServer, other.m_szServer, sizeof m_szServer);
    std::memcpy(m_szPipe, other.m_szPipe, sizeof m_szPipe);
    m_nRole = other.m_nRole;
    m_nState = other.m_nState;
    m_nConnections = other.m_nConnections;
    m_bPublic = other.m_bPublic;
    m_pEndpoint = other.m_pEndpoint;
    m_bCancelled = other.m_bCancelled.load();
    m_nReadStatus = other.m_nReadStatus;
    m_bDiscarding = other.m_bDiscarding;
    if (other.m_nBuffered > 0) {
        m_pBuffer = static_cast<unsigned char*>(std::malloc(other.m_nBuffered));
        if (m_pBuffer) {
            std::memcpy(m_pBuffer, other.m_pBuffer, other.m_nBuffered);
            m_nBuffered = m_nCapacity = other.m_nBuffered;
        }
    }
    if (other.m_hWake >= 0)
        PrepareWake();
}

int CNamedPipe::Conn() const
{
    return m_pEndpoint ? m_pEndpoint->conn : -1;
}

bool CNamedPipe::PrepareWake()
{
    if (m_hWake < 0)
        m_hWake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    else
        ClearWake(m_hWake);
    m_bCancelled = false;
    return m_hWake >= 0;
}

void CNamedPipe::Cancel()
{
    m_bCancelled = true;
    SignalWake(m_hWake);
}

int CNamedPipe::InitServer(const char* pipeName)
{
    if (!pipeName || !*pipeName || std::strlen(pipeName) > static_cast<size_t>(kMaxName))
        return 0;
    if (!PrepareWake())
        return 0;
    Disconnect();
    m_szServer[0] = '\0';
    CopyName(m_szPipe, pipeName);
    m_nRole = roleServer;
    m_nState = stateIdle;
    return 1;
}

int CNamedPipe::InitClient(const char* serverName, const char* pipeName)
{
    if (!pipeName || !*pipeName || std::strlen(pipeName) > static_cast<size_t>(kMaxName))
        return 0;
    if (serverName && std::strlen(serverName) > static_cast<size_t>(kMaxName))
        return 0;
    if (!PrepareWake())
        return 0;
    Disconnect();
    CopyName(m_szServer, serverName ? serverName : "");
    CopyName(m_szPipe, pipeName);
    m_nRole = roleClient;
    m_nState = stateIdle;
    return 1;
}

void CNamedPipe::SetPublic()
{
    m_bPublic = 1;
}

// ---------------------------------------------------------------- instances

int CNamedPipe::CreateInstance(int maxInstances, bool isPublic)
{
    if (maxInstances < 1 || maxInstances > kMaxInstances)
        return 0;
    std::string dir;
    if (!ResolvePipeDirectory(dir))
        return 0;
    const std::string base = dir + "/" + EncodePipeName(m_szPipe);
    for (int k = 0; k < maxInstances; ++k) {
        const std::string socketPath = base + "." + std::to_string(k);
        const std::string lockPath = socketPath + ".lock";
        const std::string freshPath = socketPath + ".new";
        sockaddr_un fresh, final;
        if (!FillAddress(fresh, freshPath) || !FillAddress(final, socketPath))
            return 0;

        int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (lock < 0)
            continue;
        struct flock fl;
        std::memset(&fl, 0, sizeof fl);
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        if (::fcntl(lock, F_OFD_SETLK, &fl) != 0) {
            ::close(lock);  // another instance owns this slot
            continue;
        }
        // Clients of other accounts read the lock to tell busy from stale.
        ::fchmod(lock, isPublic ? 0644 : 0600);

        // Bind under a name no client looks for, set the mode, then move the
        // socket into place: no client ever sees it with the wrong mode.
        ::unlink(freshPath.c_str());
        int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        bool ok = s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&fresh), sizeof fresh) == 0 &&
                  ::chmod(freshPath.c_str(), isPublic ? 0666 : 0600) == 0 &&
                  // Backlog 0: exactly one client can queue on the instance.
                  ::listen(s, 0) == 0 && ::rename(freshPath.c_str(), socketPath.c_str()) == 0;
        if (!ok) {
            if (s >= 0)
                ::close(s);
            ::unlink(freshPath.c_str());
            ::close(lock);
            return 0;
        }
        auto endpoint = std::make_shared<Endpoint>();
        endpoint->server = true;
        endpoint->listen = s;
        endpoint->slotLock = lock;
        endpoint->socketPath = socketPath;
        m_pEndpoint = std::move(endpoint);
        return 1;
    }
    return 0;  // every permitted instance exists already
}

int CNamedPipe::AcceptClient(int64_t waitMs)
{
    Endpoint* e = m_pEndpoint.get();
    if (!e || e->listen < 0)
        return -1;
    if (m_bCancelled)
        return 0;
    pollfd fds[2] = {{e->listen, POLLIN, 0}, {m_hWake, POLLIN, 0}};
    if (PollFor(fds, m_hWake >= 0 ? 2 : 1, waitMs) < 0)
        return -1;
    if (!(fds[0].revents & POLLIN))
        return 0;
    // Refuse further clients before taking this one off the queue, so that no
    // second client can slip in between.
    ::shutdown(e->listen, SHUT_RD);
    int c = ::accept4(e->listen, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    ::close(e->listen);
    e->listen = -1;
    if (c < 0)
        return -1;
    e->conn = c;
    return 1;
}

int CNamedPipe::WaitForClient(int64_t waitMs, int extraFd)
{
    pollfd fds[3];
    nfds_t n = 0;
    int listen = m_pEndpoint ? m_pEndpoint->listen : -1;
    if (listen >= 0)
        fds[n++] = {listen, POLLIN, 0};
    if (m_hWake >= 0)
        fds[n++] = {m_hWake, POLLIN, 0};
    if (extraFd >= 0)
        fds[n++] = {extraFd, POLLIN, 0};
    PollFor(fds, n, waitMs);
    return listen >= 0 && (fds[0].revents & POLLIN) ? 1 : 0;
}

int CNamedPipe::OpenInstance(int& fd)
{
    fd = -1;
    std::string dir;
    if (!ResolvePipeDirectory(dir))
        return openFailed;
    const std::string encoded = EncodePipeName(m_szPipe);
    bool busy = false;
    bool failed = false;
    for (int k : ListSlots(dir, encoded)) {
        const std::string path = dir + "/" + encoded + "." + std::to_string(k);
        sockaddr_un addr;
        if (!FillAddress(addr, path))
            return openFailed;
        int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (s < 0)
            return openFailed;
        if (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
            fd = s;
            return openConnected;
        }
        int err = errno;
        ::close(s);
        if (err == EAGAIN || err == EWOULDBLOCK) {
            busy = true;  // a client is queued, the server has not taken it yet
        } else if (err == ECONNREFUSED) {
            // Either an instance that has its client, or a stale socket file
            // of a server that died: the slot lock tells them apart.
            if (SlotOwned(path + ".lock"))
                busy = true;
        } else if (err != ENOENT) {
            failed = true;  // e.g. no permission
        }
    }
    if (busy)
        return openBusy;
    return failed ? openFailed : openNoPipe;
}

// ------------------------------------------------------------------ connect

int CNamedPipe::MarkConnected()
{
    m_nState = stateConnected;
    ++m_nConnections;
    return 1;
}

int CNamedPipe::ConfirmConnected()
{
    return PeerState() == 1 ? MarkConnected() : 0;
}

int CNamedPipe::ServerConnect(int maxInstances, bool isPublic, int64_t waitMs, bool closeOnTimeout)
{
    if (m_nState == stateConnected && Conn() >= 0)
        return ConfirmConnected();
    Endpoint* e = m_pEndpoint.get();
    if (!e || e->listen < 0) {
        m_pEndpoint.reset();
        DropBuffered();
        if (!CreateInstance(maxInstances, isPublic)) {
            m_nState = stateIdle;
            return 0;
        }
    }
    m_nState = stateWaiting;
    int r = AcceptClient(waitMs);
    if (r == 1)
        return MarkConnected();
    if (r < 0 || closeOnTimeout)
        Disconnect();
    return 0;
}

int CNamedPipe::ClientConnect(int64_t busyWaitMs)
{
    // Only the local computer can be reached.
    if (!IsLocalServer(m_szServer)) {
        m_nState = stateIdle;
        return 0;
    }
    // A client that connects again gives up its old connection first.
    m_pEndpoint.reset();
    DropBuffered();

    const int64_t deadline = busyWaitMs < 0 ? -1 : NowMs() + busyWaitMs;
    for (bool first = true;; first = false) {
        int fd;
        switch (OpenInstance(fd)) {
        case openConnected: {
            auto endpoint = std::make_shared<Endpoint>();
            endpoint->conn = fd;
            m_pEndpoint = std::move(endpoint);
            return MarkConnected();
        }
        case openBusy:
            m_nState = stateWaiting;
            if (busyWaitMs == 0 || (!first && LeftMs(deadline) == 0) || m_bCancelled) {
                m_nState = stateIdle;
                return 0;
            }
            break;
        default:
            m_nState = stateIdle;
            return 0;
        }
        pollfd wake = {m_hWake, POLLIN, 0};
        int64_t left = LeftMs(deadline);
        PollFor(&wake, m_hWake >= 0 ? 1 : 0, left < 0 || left > kBusyRetryMs ? kBusyRetryMs : left);
    }
}

int CNamedPipe::Connect(int maxInstances, int wait)
{
    if (m_nRole == roleServer)
        return ServerConnect(maxInstances, m_bPublic != 0, wait ? -1 : 0, false);
    if (m_nRole == roleClient)
        return ClientConnect(wait ? -1 : 0);
    return 0;
}

int CNamedPipe::Connect(int maxInstances, const char* /*ignored*/, int timeOut)
{
    if (m_nRole == roleServer)
        return ServerConnect(maxInstances, false, TenthsToMs(timeOut), true);
    if (m_nRole == roleClient) {
        if (ClientConnect(TenthsToMs(timeOut)))
            return 1;
        Disconnect();
        return 0;
    }
    return 0;
}

int CNamedPipe::Disconnect()
{
    if (m_nRole == roleNone)
        return 0;
    if (m_pEndpoint) {
        m_pEndpoint->Close(m_pEndpoint->server);
        m_pEndpoint.reset();
    }
    m_nState = stateIdle;
    DropBuffered();
    return 1;
}

// 1 while the peer is there (including unread bytes), 0 when it has gone or
// there is no connection.
int CNamedPipe::PeerState() const
{
    int fd = Conn();
    if (fd < 0)
        return 0;
    for (;;) {
        char c;
        ssize_t n = ::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
        if (n > 0)
            return 1;
        if (n == 0)
            return 0;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN || errno == EWOULDBLOCK ? 1 : 0;
    }
}

int CNamedPipe::IsConnected()
{
    return m_nState == stateConnected && PeerState() == 1 ? 1 : 0;
}

bool CNamedPipe::WaitForHangUp(int64_t waitMs, int extraFd)
{
    int fd = Conn();
    if (fd < 0)
        return true;
    pollfd fds[3];
    nfds_t n = 0;
    fds[n++] = {fd, POLLRDHUP, 0};
    if (m_hWake >= 0)
        fds[n++] = {m_hWake, POLLIN, 0};
    if (extraFd >= 0)
        fds[n++] = {extraFd, POLLIN, 0};
    PollFor(fds, n, waitMs);
    return (fds[0].revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// ------------------------------------------------------------------ reading

// Appends every byte available now to the buffer, up to kMaxBuffered.
// 1 while the peer is there, 0 when it has gone or the socket failed.
int CNamedPipe::Fetch()
{
    int fd = Conn();
    if (fd < 0)
        return 0;
    for (;;) {
        if (m_nBuffered >= kMaxBuffered)
            return 1;  // full: the rest waits in the socket
        if (m_nBuffered == m_nCapacity) {
            uint32_t capacity = m_nCapacity ? std::min(m_nCapacity * 2, kMaxBuffered) : kInitialCapacity;
            auto* grown = static_cast<unsigned char*>(std::realloc(m_pBuffer, capacity));
            if (!grown)
                return 0;
            m_pBuffer = grown;
            m_nCapacity = capacity;
        }
        const uint32_t room = m_nCapacity - m_nBuffered;
        ssize_t n = ::recv(fd, m_pBuffer + m_nBuffered, room, MSG_DONTWAIT);
        if (n > 0) {
            m_nBuffered += static_cast<uint32_t>(n);
            if (static_cast<uint32_t>(n) < room)
                return 1;  // a stream socket hands over all it has: drained
            continue;
        }
        if (n == 0)
            return 0;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN || errno == EWOULDBLOCK ? 1 : 0;
    }
}

void CNamedPipe::DropBuffered()
{
    m_nBuffered = 0;
    m_bDiscarding = false;
}

void CNamedPipe::Consume(uint32_t count)
{
    if (count >= m_nBuffered) {
        m_nBuffered = 0;
        return;
    }
    std::memmove(m_pBuffer, m_pBuffer + count, m_nBuffered - count);
    m_nBuffered -= count;
}

int CNamedPipe::TestChar(char c)
{
    Fetch();
    return m_nBuffered && std::memchr(m_pBuffer, static_cast<unsigned char>(c), m_nBuffered) ? 1 : 0;
}

int CNamedPipe::TestCharOvl(char c)
{
    if (PeerState() != 1)
        return 0;
    return TestChar(c);
}

int CNamedPipe::ReadChar(char& c)
{
    Fetch();
    if (m_nBuffered == 0)
        return 0;
    c = static_cast<char>(m_pBuffer[0]);
    Consume(1);
    return 1;
}

int CNamedPipe::ReadStringImpl(std::string* text, char* buffer, std::size_t size, int64_t waitMs)
{
    m_nReadStatus = readNoString;
    if (!text && (!buffer || size == 0))
        return 0;
    const int64_t deadline = waitMs < 0 ? -1 : NowMs() + waitMs;
    for (;;) {
        int alive = Fetch();
        const void* nul = m_nBuffered ? std::memchr(m_pBuffer, 0, m_nBuffered) : nullptr;
        const size_t length = nul ? static_cast<const unsigned char*>(nul) - m_pBuffer : 0;
        if (m_bDiscarding) {
            // The rest of an over-long string: drop it up to and with its NUL.
            Consume(nul ? static_cast<uint32_t>(length + 1) : m_nBuffered);
            if (nul) {
                m_bDiscarding = false;
                m_nReadStatus = readTooLong;
                return 0;
            }
        } else if (nul) {
            if (text) {
                text->assign(reinterpret_cast<const char*>(m_pBuffer), length);
            } else {
                if (length >= size) {
                    m_nReadStatus = readNoRoom;
                    return 0;  // does not fit: refused, and kept for a larger buffer
                }
                std::memcpy(buffer, m_pBuffer, length);
                buffer[length] = '\0';
            }
            Consume(static_cast<uint32_t>(length + 1));
            m_nReadStatus = readOk;
            return 1;
        } else if (m_nBuffered >= kMaxBuffered) {
            // A full buffer without a NUL: the string is longer than any
            // string may be. Drop what is here and the rest as it comes.
            DropBuffered();
            m_bDiscarding = true;
            continue;
        }
        // No complete string: give up when the peer has gone or the time is up.
        if (!alive || waitMs == 0 || m_bCancelled)
            return 0;
        int64_t left = LeftMs(deadline);
        if (left == 0)
            return 0;
        pollfd fds[2] = {{Conn(), POLLIN, 0}, {m_hWake, POLLIN, 0}};
        if (PollFor(fds, m_hWake >= 0 ? 2 : 1, left) < 0)
            return 0;
    }
}

int CNamedPipe::ReadStringWait(char* buffer, std::size_t size, int wait)
{
    return ReadStringImpl(nullptr, buffer, size, wait ? -1 : 0);
}

int CNamedPipe::ReadString(std::string& text, int wait)
{
    return ReadStringImpl(&text, nullptr, 0, wait ? -1 : 0);
}

int CNamedPipe::ReadStringTimed(char* buffer, std::size_t size, int timeOut)
{
    return ReadStringImpl(nullptr, buffer, size, TenthsToMs(timeOut));
}

int CNamedPipe::ReadString(std::string& text, const char* /*ignored*/, int timeOut)
{
    return ReadStringImpl(&text, nullptr, 0, TenthsToMs(timeOut));
}

// ------------------------------------------------------------------ writing

int CNamedPipe::WriteAll(const void* data, std::size_t count)
{
    int fd = Conn();
    if (fd < 0 || m_nState != stateConnected)
        return 0;
    const char* p = static_cast<const char*>(data);
    while (count > 0) {
        ssize_t n = ::send(fd, p, count, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            p += n;
            count -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // The peer has not read yet: wait for room, or for the peer to go
            // (the next send then fails), or for a cancel.
            if (m_bCancelled)
                return 0;
            pollfd fds[2] = {{fd, POLLOUT, 0}, {m_hWake, POLLIN, 0}};
            if (PollFor(fds, m_hWake >= 0 ? 2 : 1, -1) < 0)
                return 0;
            continue;
        }
        return 0;
    }
    return 1;
}

int CNamedPipe::WriteChar(char c)
{
    return WriteAll(&c, 1);
}

int CNamedPipe::WriteString(const char* text)
{
    if (!text)
        return 0;
    return WriteAll(text, std::strlen(text) + 1);
}

int CNamedPipe::WriteBuffer(const void* data, uint32_t count)
{
    if (!data && count > 0)
        return 0;
    return WriteAll(data, count);
}
