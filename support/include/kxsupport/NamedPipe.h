// CNamedPipe: one end (server or client) of a local named pipe, carried over a
// Unix-domain stream socket, with a receive buffer and NUL-terminated string
// framing. Results are 1 (success) and 0 (failure) unless stated; no member
// throws.
//
// Wire format: a plain byte stream. A character is one byte; a string is its
// bytes followed by one NUL byte. No length prefix, no other framing.
//
// Where the pipes live
//   Every pipe is found in the pipe directory:
//     - $KX_PIPEDIR when set (created with mode 0700 when missing; an
//       existing directory is used as it is);
//     - else $XDG_RUNTIME_DIR/kxpipes;
//     - else /tmp/kxpipes-<uid>.
//   A default directory is created with mode 0700 and refused when it is a
//   symbolic link, belongs to another user, or is writable by group or others.
//   Programs under different accounts that share a pipe must set KX_PIPEDIR to
//   a directory all of them may search.
//   Pipe names are compared without regard to ASCII case, as the old pipe
//   paths were; '/' and '%' in a name are escaped in the file names.
//
// Instances
//   A server object is one instance of its pipe. Instance k of pipe "name"
//   (0 <= k < maximum instances, at most 255) is the socket "<name>.<k>" in
//   the pipe directory, owned by the server through a lock on "<name>.<k>.lock"
//   (the lock files stay in the directory; they are empty). An instance takes
//   one client: the first client queues on the socket, later clients find it
//   busy, and once the server has taken its client the instance refuses all
//   others until the server disconnects. A client finds "all instances busy"
//   when instances of the name exist and every one has a client, and "no such
//   pipe" when none exists; a waiting connect waits in the first case only.
//   Disconnect on a server closes its instance (the socket file is removed and
//   the slot released); the next Connect creates a new one.
//
// Server names
//   Only this computer's pipes can be reached. A client's server name reaches
//   them when it is empty, ".", "localhost" or this computer's host name
//   (gethostname); names are compared without regard to case and by their
//   part before the first dot, so a name stored on this computer, short or
//   with its domain, keeps working here. Any other server name cannot be
//   reached on this platform: Connect then returns 0.
//
// Access
//   Without SetPublic a server's socket has mode 0600: only its own account can
//   connect. SetPublic gives mode 0666, so that any local account that can
//   search the pipe directory may connect. As before, the time-out form of the
//   server Connect always creates the instance without the public flag.
//   No descriptor of this class is inherited by programs started later
//   (close-on-exec), public or not.
//
// Flushing
//   A server's WriteString/WriteBuffer do not wait for the client to read:
//   bytes written before a Disconnect are still delivered to the client, which
//   then sees the end of the pipe.
//
// Limits and safety
//   - Names are at most 39 characters; a longer name is refused, not cut.
//   - At most kMaxBuffered received bytes are held, so a string has at most
//     kMaxString = kMaxBuffered - 1 bytes before its NUL. A longer string is
//     discarded: once the buffer is full without a NUL, ReadString drops the
//     bytes up to and with the string's NUL as they arrive (memory stays
//     bounded), and the call that drops that NUL returns 0 with GetReadStatus()
//     readTooLong. The string after it reads as usual. ReadChar and TestChar
//     see whatever bytes are buffered, the rest of such a string included.
//   - ReadString into a character buffer is always size-checked: a string
//     that does not fit is refused (result 0) and stays buffered, so that a
//     larger buffer or the std::string form can take it.
//   - A ReadString that waits returns 0 when the peer has gone and no complete
//     string is buffered (bytes of an unfinished string stay buffered).
//   - Writes never raise SIGPIPE; a write to a vanished peer returns 0. A write
//     that finds the socket full waits until the peer reads or goes.
//   - Disconnect discards buffered bytes, so a server never hands the rest of
//     one client's data to the next client.
//
// Threads: one thread may read while another writes. Other calls on one
// object must not overlap.
#pragma once

#include <kxsupport/Export.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

class CPipeService;

class KXSUPPORT_API CNamedPipe {
    // Selects the pointer-and-size forms of ReadString for char pointers only,
    // so that a char array always goes to the forms that know its size.
    template <class P>
    using IfCharPointer = std::enable_if_t<std::is_same_v<std::remove_cvref_t<P>, char*>, int>;

public:
    enum Role : int32_t {
        roleNone = 0,
        roleServer = 1,
        roleClient = 2
    };
    enum State : int32_t {
        stateIdle = 0,
        stateWaiting = 1,
        stateConnected = 2
    };

    static constexpr int kMaxName = 39;                       // characters of a name
    static constexpr int kMaxInstances = 255;                 // largest maximum of instances
    static constexpr uint32_t kMaxBuffered = 65536;           // received bytes held at most
    static constexpr uint32_t kMaxString = kMaxBuffered - 1;  // longest string, without its NUL

    // Why the last ReadString returned what it did.
    enum ReadStatus : int32_t {
        readOk = 0,        // a string was taken (result 1)
        readNoString = 1,  // no complete string within the wait, or the peer has gone
        readNoRoom = 2,    // the string does not fit the character buffer; it stays buffered
        readTooLong = 3,   // an over-long string was discarded (see Limits)
    };

    // Both names empty, role 0, state 0, no socket, empty buffer.
    CNamedPipe();
    // A copy has its own buffer (a copy of the bytes) and shares the
    // connection or instance, which is closed once: when the last object
    // that shares it lets go, or when any of them calls Disconnect (which
    // ends it for all). Copies must not be used from different threads.
    CNamedPipe(const CNamedPipe& other);
    CNamedPipe& operator=(const CNamedPipe& other);
    // Closes the connection (a server instance is removed) and frees the buffer.
    ~CNamedPipe();

    // Role server. 0 for a null, empty or too long name.
    int InitServer(const char* pipeName);
    // Role client; the server name is kept when given. 0 for a null, empty or
    // too long pipe name, or a too long server name.
    int InitClient(const char* serverName, const char* pipeName);
    // Instances created by the waiting/non-waiting Connect afterwards accept
    // clients of any local account (socket mode 0666).
    void SetPublic();

    // Connect without a time-out.
    //  Server: creates the instance when there is none (0 when maximum
    //  instances already exist or creation fails). With `wait` it waits for a
    //  client without limit; without it, it looks once: a client that has
    //  already opened the pipe connects, otherwise the result is 0 with state
    //  1 and the instance kept, so the caller can poll. A connected server
    //  whose client is still there returns 1 again.
    //  Client: opens a free instance. All instances busy: without `wait` state
    //  0 and 0; with it, waits for a free instance without limit. No instance
    //  at all, or any other error: state 0 and 0.
    //  On connection: state 2, connection count + 1, result 1.
    int Connect(int maxInstances, int wait);
    // Connect with a time-out in tenths of a second (`ignored` is not used).
    //  Server: creates the instance (owner-only access, see Access); timeOut
    //  -1 (any negative value) waits without limit, otherwise a client must
    //  come within timeOut x 100 ms (0: must be there already), else the
    //  instance is closed and the result is 0.
    //  Client: a busy pipe with timeOut 0 gives 0; otherwise it waits at most
    //  timeOut x 100 ms in all (negative: without limit) for a free instance.
    //  Any failure leaves state 0.
    int Connect(int maxInstances, const char* ignored, int timeOut);
    // Server: ends the connection and closes the instance. Client: closes.
    // Then no socket, state 0, buffer empty. 0 when the role is 0.
    int Disconnect();
    // State 2 and the peer is still there (unread bytes count as there).
    int IsConnected();

    // Fetches every byte available now; 1 when `c` is in the buffer.
    int TestChar(char c);
    // The same, but 0 whenever the pipe is broken or has no socket.
    int TestCharOvl(char c);
    // Fetches, then takes the first buffered byte; 0 when there is none.
    int ReadChar(char& c);

    // Takes one NUL-terminated string (without its NUL) off the buffer; when
    // the result is 0, GetReadStatus() tells why.
    //  wait 0: fetch once; 0 when no complete string is there.
    //  wait != 0: wait until one arrives or the peer goes, or until an
    //  over-long string has been discarded (readTooLong).
    // Into characters the read is always size-checked: a char array against
    // its own size, a char pointer against the size given with it. A string of
    // `size` bytes or more is refused (0) and stays buffered, for a larger
    // buffer or the std::string form. A bare pointer without a size does not
    // compile.
    template <std::size_t N>
    int ReadString(char (&buffer)[N], int wait)
    {
        return ReadStringWait(buffer, N, wait);
    }
    template <class P, IfCharPointer<P> = 0>
    int ReadString(P&& buffer, std::size_t size, int wait)
    {
        return ReadStringWait(buffer, size, wait);
    }
    int ReadString(std::string& text, int wait);
    // The same with a time-out in tenths of a second: 0 returns at once,
    // negative waits without limit, otherwise at most timeOut x 100 ms.
    template <std::size_t N>
    int ReadString(char (&buffer)[N], const char* /*ignored*/, int timeOut)
    {
        return ReadStringTimed(buffer, N, timeOut);
    }
    template <class P, IfCharPointer<P> = 0>
    int ReadString(P&& buffer, std::size_t size, const char* /*ignored*/, int timeOut)
    {
        return ReadStringTimed(buffer, size, timeOut);
    }
    int ReadString(std::string& text, const char* ignored, int timeOut);

    // One byte; 0 when there is no connection.
    int WriteChar(char c);
    // The text and its NUL byte. 0 for a null text or without a connection.
    int WriteString(const char* text);
    // Exactly `count` bytes, no terminator.
    int WriteBuffer(const void* data, uint32_t count);

    const char* GetServerName() const { return m_szServer; }
    const char* GetPipeName() const { return m_szPipe; }
    int GetRole() const { return m_nRole; }
    int GetState() const { return m_nState; }
    int GetConnectionCount() const { return m_nConnections; }
    int IsPublic() const { return m_bPublic; }
    uint32_t GetBufferedCount() const { return m_nBuffered; }
    // ReadStatus of the last ReadString.
    int GetReadStatus() const { return m_nReadStatus; }

private:
    friend class CPipeService;
    struct Endpoint;

    int Conn() const;
    int ServerConnect(int maxInstances, bool isPublic, int64_t waitMs, bool closeOnTimeout);
    int ClientConnect(int64_t busyWaitMs);
    int ConfirmConnected();
    int MarkConnected();
    int CreateInstance(int maxInstances, bool isPublic);
    int OpenInstance(int& fd);
    int AcceptClient(int64_t waitMs);
    int WaitForClient(int64_t waitMs, int extraFd);
    bool WaitForHangUp(int64_t waitMs, int extraFd);
    int Fetch();
    int PeerState() const;
    int ReadStringWait(char* buffer, std::size_t size, int wait);
    int ReadStringTimed(char* buffer, std::size_t size, int timeOut);
    int ReadStringImpl(std::string* text, char* buffer, std::size_t size, int64_t waitMs);
    int WriteAll(const void* data, std::size_t count);
    void Consume(uint32_t count);
    void DropBuffered();
    void Cancel();
    bool PrepareWake();
    void Release();
    void CopyFrom(const CNamedPipe& other);

    char m_szServer[40];     // remote computer for a client; empty = local
    char m_szPipe[40];       // name of the pipe
    int32_t m_nRole;         // Role
    int32_t m_nState;        // State
    int32_t m_nConnections;  // incremented at every successful Connect
    int32_t m_bPublic;       // set by SetPublic
    // The connection and, for a server, its instance (listening socket, slot
    // lock, socket path). Null while there is no pipe; shared by copies and
    // closed when the last of them lets go or one of them disconnects.
    std::shared_ptr<Endpoint> m_pEndpoint;
    uint32_t m_nBuffered;      // received bytes not yet consumed
    unsigned char* m_pBuffer;  // receive buffer of m_nCapacity bytes, owned
    int m_hWake;               // eventfd that cancels this object's waits
    uint32_t m_nCapacity;
    std::atomic<bool> m_bCancelled;
    int32_t m_nReadStatus;  // ReadStatus of the last ReadString
    bool m_bDiscarding;     // dropping the rest of an over-long string
};
