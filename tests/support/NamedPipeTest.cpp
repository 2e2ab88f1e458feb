// CNamedPipe with real peers: threads and processes on Unix-domain sockets in
// a private pipe directory.
#include <kxsupport/NamedPipe.h>

#include "SupportTestUtil.h"

#include <sys/stat.h>

using namespace kxtest;

namespace {

constexpr const char* kName = "kxtest";

// A server with one instance, ready for a client.
void ListenServer(CNamedPipe& server, const char* name = kName)
{
    ASSERT_EQ((std::vector<int>{server.InitServer(name), server.Connect(1, 0), server.GetState()}),
              (std::vector<int>{1, 0, CNamedPipe::stateWaiting}));  // nobody there yet
}

}  // namespace

class NamedPipeTest : public PipeDirTest {
protected:
    // A server instance and a client connected to it.
    void Connect(const char* name = kName)
    {
        ListenServer(server, name);
        ASSERT_EQ((std::vector<int>{client.InitClient(nullptr, name), client.Connect(1, 0), server.Connect(1, 0)}),
                  (std::vector<int>{1, 1, 1}));
    }
    static void Arrived(CNamedPipe& pipe, char c)
    {
        ASSERT_TRUE(Eventually([&] { return pipe.TestChar(c) == 1; }));
    }
    // The next string `pipe` reads within 2 s, or "<none>".
    static std::string Next(CNamedPipe& pipe)
    {
        std::string text;
        return pipe.ReadString(text, "", 20) ? text : "<none>";
    }

    CNamedPipe server, client;
};

// A client process that goes away in the middle of a string, without a NUL
// or goodbye: the server's reads end although they may wait for ever.
TEST_F(NamedPipeTest, ServerAndClientInTwoProcesses)
{
    ASSERT_EQ(server.InitServer(kName), 1);
    pid_t child = Fork([] {
        CNamedPipe client;
        if (!client.InitClient(nullptr, kName) || !Eventually([&] { return client.Connect(1, 0) == 1; }))
            return 2;
        if (client.GetState() != CNamedPipe::stateConnected || !client.WriteString("hello"))
            return 3;
        std::string reply;
        if (!client.ReadString(reply, "", 50) || reply != "re:hello")
            return 4;
        client.WriteBuffer("half a str", 10);
        ::_exit(0);
    });
    ASSERT_GT(child, 0);
    ASSERT_EQ(server.Connect(1, 1), 1);  // waits for the client
    EXPECT_EQ(server.GetConnectionCount(), 1);
    EXPECT_EQ(Next(server), "hello");
    ASSERT_EQ(server.WriteString("re:hello"), 1);
    EXPECT_EQ(WaitExit(child), 0);
    char buf[64];
    EXPECT_EQ(
        (std::vector<long>{server.ReadString(buf, 1), server.ReadString(buf, "", -1), long(server.GetBufferedCount()),
                           server.IsConnected(), server.TestCharOvl('h'), server.TestChar('h')}),
        (std::vector<long>{0, 0, 10, 0, 0, 1}));
}

TEST_F(NamedPipeTest, StringsAreReadOneByOneAndOnlyIntoBuffersTheyFit)
{
    Connect();
    ASSERT_TRUE(client.WriteString("one") && client.WriteString("") && client.WriteBuffer("two\0three\0", 10));
    for (const char* want : {"one", "", "two", "three"})
        EXPECT_EQ(Next(server), want);
    EXPECT_EQ(server.GetBufferedCount(), 0u);

    ASSERT_EQ(client.WriteString("0123456789"), 1);
    Arrived(server, '\0');
    char small[8] = "guard!", exact[11] = {};
    char* p = small;
    // Refused, not truncated: 8 bytes, then 10 (11 with the NUL), then none; 11 fit.
    EXPECT_EQ((std::vector<long>{server.ReadString(small, 1), server.GetReadStatus(), server.ReadString(p, 10, 0),
                                 server.ReadString(static_cast<char*>(nullptr), 5, 0), server.ReadString(exact, 0)}),
              (std::vector<long>{0, CNamedPipe::readNoRoom, 0, 0, 1}));
    EXPECT_EQ(std::string(small) + "|" + exact, "guard!|0123456789");

    // An over-long string is dropped up to its NUL, never held whole, and the stream goes on.
    const std::string longest(CNamedPipe::kMaxString, 'l');
    const std::string flood = std::string(CNamedPipe::kMaxBuffered + 20000, 'x') + '\0';
    std::thread writer([&] {
        client.WriteString(longest.c_str());
        client.WriteBuffer(flood.data(), static_cast<uint32_t>(flood.size()));
        client.WriteString("next");
    });
    std::string first, next;
    EXPECT_EQ((std::vector<long>{server.ReadString(first, 1), server.ReadString(next, 1), server.GetReadStatus(),
                                 server.ReadString(next, 1), server.GetReadStatus()}),
              (std::vector<long>{1, 0, CNamedPipe::readTooLong, 1, CNamedPipe::readOk}));
    EXPECT_TRUE(first == longest && next == "next") << first.size() << " " << next;
    server.Disconnect();  // also frees a writer left waiting when a read failed
    writer.join();
}

TEST_F(NamedPipeTest, NonWaitingServerConnectPollsUntilClientArrives)
{
    ListenServer(server);
    EXPECT_EQ(server.Connect(1, 0), 0);  // still the same instance
    ASSERT_EQ(client.InitClient(nullptr, kName), 1);
    ASSERT_EQ(client.Connect(1, 0), 1);  // the instance exists: the client gets in
    EXPECT_EQ((std::vector<long>{server.Connect(1, 0), server.GetState(), server.GetConnectionCount(),
                                 server.WriteChar('z'), server.WriteChar('\n')}),
              (std::vector<long>{1, CNamedPipe::stateConnected, 1, 1, 1}));
    ASSERT_TRUE(Eventually([&] { return client.TestCharOvl('\n') == 1; }));
    EXPECT_EQ(client.TestChar('q'), 0);
    char c[3] = {};
    EXPECT_EQ(client.ReadChar(c[0]) + client.ReadChar(c[1]) + client.ReadChar(c[2]), 2);
    EXPECT_STREQ(c, "z\n");
}

TEST_F(NamedPipeTest, NamesAreCheckedAndMatchedWithoutCase)
{
    CNamedPipe pipe;
    // No name, an empty one, one too long, a server name too long: no role, nothing to connect.
    EXPECT_EQ(
        (std::vector<int>{pipe.InitServer(nullptr), pipe.InitServer(""), pipe.InitServer(std::string(40, 'n').c_str()),
                          pipe.InitClient(std::string(40, 's').c_str(), "x"), pipe.GetRole(), pipe.Connect(1, 0),
                          pipe.Disconnect()}),
        (std::vector<int>{0, 0, 0, 0, CNamedPipe::roleNone, 0, 0}));

    Connect("Kx/Odd%Name");  // '/' and '%' are escaped
    CNamedPipe remote;
    ASSERT_EQ(remote.InitClient("otherhost", "Kx/Odd%Name"), 1);
    EXPECT_EQ(remote.Connect(1, 0) + remote.Connect(1, "", 5), 0);  // only the local computer is reachable

    // The local computer by default or by any of its names, in any case.
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    std::string upper = host, lan = upper.substr(0, upper.find('.')) + ".lan";
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* local :
         {static_cast<const char*>(nullptr), ".", "localhost", "LOCALHOST", upper.c_str(), lan.c_str()}) {
        server.Disconnect();
        ListenServer(server, "kx/odd%name");
        ASSERT_EQ(client.InitClient(local, "KX/ODD%NAME"), 1) << (local ? local : "default");
        EXPECT_EQ(client.Connect(1, 0), 1) << (local ? local : "default");
    }
}

TEST_F(NamedPipeTest, DisconnectDeliversWhatWasWrittenThenBreaksThePipe)
{
    Connect();
    ASSERT_EQ(server.WriteString("last words"), 1);
    ASSERT_EQ(client.WriteBuffer("leftover", 8), 1);
    Arrived(server, 'r');
    ASSERT_EQ(server.Disconnect(), 1);
    EXPECT_EQ(Next(client), "last words");
    std::string text;
    EXPECT_EQ((std::vector<int>{client.IsConnected(), client.ReadString(text, "", -1), client.WriteString("anyone?")}),
              (std::vector<int>{0, 0, 0}));  // not connected; no endless wait on a dead pipe, and no SIGPIPE
    // The next client's bytes come without those of the previous one.
    client.Disconnect();
    Connect();
    ASSERT_EQ(client.WriteString("fresh"), 1);
    EXPECT_EQ(Next(server), "fresh");
}

TEST_F(NamedPipeTest, ClientFindsNoPipeWithoutWaitingForOne)
{
    // A server that appears after the watchdog's grace is not waited for.
    CNamedPipe late;
    ASSERT_EQ(client.InitClient(nullptr, "nobody-serves-this"), 1);
    EXPECT_EQ(WithoutWaiting([&] { return client.Connect(1, 1) + client.Connect(1, "", -1); },
                             [&] { ListenServer(late, "nobody-serves-this"); }),
              0);
    EXPECT_EQ(client.GetState(), CNamedPipe::stateIdle);
}

TEST_F(NamedPipeTest, SocketModesFollowThePublicFlag)
{
    CNamedPipe priv, pub;
    ListenServer(priv, "private");
    ASSERT_EQ(pub.InitServer("public"), 1);
    pub.SetPublic();
    EXPECT_EQ(pub.IsPublic(), 1);
    ASSERT_EQ(pub.Connect(1, 0), 0);
    struct stat st;
    ASSERT_EQ(::stat((PipeDir() + "/private.0").c_str(), &st), 0);
    const mode_t privateMode = st.st_mode;
    ASSERT_EQ(::stat((PipeDir() + "/public.0").c_str(), &st), 0);
    EXPECT_EQ(std::make_pair(privateMode, st.st_mode & 0777), std::make_pair(S_IFSOCK | 0600u, 0666u));

    if (::geteuid() != 0)
        GTEST_SKIP() << "connecting as another account needs root";
    ASSERT_EQ(::chmod(PipeDir().c_str(), 0711), 0);
    EXPECT_EQ(WaitExit(Fork([] {
                  if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                      return 2;
                  CNamedPipe a, b;
                  a.InitClient(nullptr, "private");
                  b.InitClient(nullptr, "public");
                  return a.Connect(1, 0) != 0 ? 3 : b.Connect(1, 0) != 1 ? 4 : 0;  // nobody else gets in by default
              })),
              0);
}

TEST_F(NamedPipeTest, AllInstancesBusy)
{
    Connect();

    CNamedPipe client2, server2;
    ASSERT_EQ(client2.InitClient(nullptr, kName), 1);
    EXPECT_EQ((std::vector<int>{client2.Connect(1, 0), client2.GetState()}),
              (std::vector<int>{0, CNamedPipe::stateIdle}));
    // Time-out form: waits 300 ms for a free instance, then gives up.
    auto start = Clock::now();
    EXPECT_EQ(client2.Connect(1, "", 3), 0);
    EXPECT_GE(MsSince(start), 280);
    EXPECT_EQ(client2.Connect(1, "", 0), 0);

    // The maximum of one instance is reached: no second server instance.
    ASSERT_EQ(server2.InitServer(kName), 1);
    EXPECT_EQ((std::vector<int>{server2.Connect(1, 0), server2.GetState()}),
              (std::vector<int>{0, CNamedPipe::stateIdle}));

    // A waiting client gets the next instance that becomes free.
    auto waited = std::async(std::launch::async, [&] { return client2.Connect(1, 1); });
    EXPECT_EQ(waited.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    // A second instance is allowed with maximum 2; the waiting client takes it.
    ASSERT_TRUE(Eventually([&] { return server2.Connect(2, 0) == 1; }));
    EXPECT_EQ(waited.get(), 1);
    ASSERT_EQ(client2.WriteString("second"), 1);
    EXPECT_EQ(Next(server2), "second");
}

TEST_F(NamedPipeTest, InstanceTimeOutClosesItAndDisconnectMakesANewOne)
{
    ASSERT_EQ(server.InitServer(kName), 1);
    auto start = Clock::now();
    EXPECT_EQ(server.Connect(1, "", 2), 0);
    EXPECT_GE(MsSince(start), 180);
    EXPECT_EQ(server.GetState(), CNamedPipe::stateIdle);
    struct stat st;
    EXPECT_NE(::stat((PipeDir() + "/kxtest.0").c_str(), &st), 0);  // instance gone

    std::thread late([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        CNamedPipe client;
        client.InitClient(nullptr, kName);
        if (client.Connect(1, 0))
            client.WriteString("late");
    });
    ASSERT_EQ(server.Connect(1, "", 20), 1);
    EXPECT_EQ(Next(server), "late");
    late.join();

    ASSERT_EQ(server.Disconnect(), 1);
    EXPECT_EQ(server.GetState(), CNamedPipe::stateIdle);
    Connect();
    EXPECT_EQ(server.GetConnectionCount(), 2);
}
