// CPipeService with real clients.
#include <kxsupport/PipeService.h>

#include "SupportTestUtil.h"

#include <map>
#include <set>

using namespace kxtest;

namespace {

constexpr const char* kName = "kxservice";

class RecordingService : public CPipeService {
public:
    using CPipeService::CPipeService;
    ~RecordingService() override { Stop(2000, 1); }

    void NewConsoleLine(const char* text) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_lines[text];
    }
    int Lines(const std::string& text)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines[text];
    }

private:
    std::mutex m_mutex;
    std::map<std::string, int> m_lines;
};

// Shared by the handlers of one test (handlers are plain functions).
struct Board {
    std::mutex mutex;
    std::condition_variable changed;
    int connected = 0;
    std::atomic<bool> release{false};
    std::atomic<int> calls{0};
    std::atomic<int> readResult{-1};
};
Board* g_board = nullptr;

// Answers one client: waits until three clients are connected at once (so a
// service that served them one after another would fail), then echoes.
void EchoHandler(CPipeService* service)
{
    if (!service->WaitForConn())
        return;
    CNamedPipe* pipe = service->Pipe();
    const int id = service->GetId();
    {
        std::unique_lock<std::mutex> lock(g_board->mutex);
        ++g_board->connected;
        g_board->changed.notify_all();
        g_board->changed.wait_for(lock, std::chrono::seconds(5), [] { return g_board->connected >= 3; });
    }
    std::string text;
    if (pipe->ReadString(text, "", 50)) {
        std::string reply = text + " from " + std::to_string(id) + (g_board->connected >= 3 ? "" : " alone");
        pipe->WriteString(reply.c_str());
    }
    service->WaitForDisconn(2000);
    pipe->Disconnect();
}

// Never comes back until the test says so.
void StuckHandler(CPipeService*)
{
    ++g_board->calls;
    while (!g_board->release)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

std::string Ask(const std::string& text)
{
    CNamedPipe client;
    std::string reply;
    const bool ok = client.InitClient(nullptr, kName) &&
                    Eventually([&] { return client.Connect(3, "", 10) == 1; }, 5000) &&
                    client.WriteString(text.c_str()) && client.ReadString(reply, "", 50);
    return ok ? reply : "no reply";
}

class PipeServiceTest : public PipeDirTest {
protected:
    PipeServiceTest() { g_board = &m_board; }
    void TearDown() override
    {
        m_board.release = true;
        PipeDirTest::TearDown();
    }
    Board m_board;
};

}  // namespace

TEST_F(PipeServiceTest, ThreeWorkersAnswerClientsAtTheSameTime)
{
    RecordingService service(kName, 3, EchoHandler, 3);
    // Not a worker: no id, no pipe, no connection; a second start finds it running.
    EXPECT_EQ((std::vector<long>{service.GetId(), service.Pipe() != nullptr, service.WaitForConn(), service.Start(),
                                 service.Start()}),
              (std::vector<long>{-1, 0, 0, 1, 0}));

    std::vector<std::string> replies(3);
    std::vector<std::thread> clients;
    for (int i = 0; i < 3; ++i)
        clients.emplace_back([&, i] { replies[i] = Ask("client" + std::to_string(i)); });
    for (auto& t : clients)
        t.join();

    // Each client answered by another worker, none of them alone.
    std::set<std::string> workersSeen;
    for (int i = 0; i < 3; ++i) {
        const std::string prefix = "client" + std::to_string(i) + " from ";
        EXPECT_EQ(replies[i].substr(0, prefix.size()), prefix);
        workersSeen.insert(replies[i].substr(prefix.size()));
    }
    EXPECT_EQ(workersSeen, (std::set<std::string>{"0", "1", "2"}));

    EXPECT_EQ(service.Stop(2000, 0), 1);
    EXPECT_EQ((std::vector<int>{service.GetEndedCount(), service.Lines("boot..."), service.Lines("InitServer OK."),
                                service.Lines("Exit.")}),
              std::vector<int>(4, 3));

    // Stopped workers leave no instance behind: a client finds no pipe.
    CNamedPipe client;
    client.InitClient(nullptr, kName);
    EXPECT_EQ(client.Connect(3, 1), 0);
}

TEST_F(PipeServiceTest, StopGivesUpOnAHandlerThatNeverReturns)
{
    CPipeService service(kName, 1, StuckHandler, 1);
    ASSERT_EQ(service.Start(), 1);
    ASSERT_TRUE(Eventually([&] { return m_board.calls > 0; }));
    auto start = Clock::now();
    EXPECT_EQ(service.Stop(1000, 0), 0);
    EXPECT_GE(MsSince(start), 950);
    // Kill cannot end a handler busy in its own code either: reported as not ended.
    start = Clock::now();
    EXPECT_EQ(service.Stop(100, 1), 0);
    EXPECT_GE(MsSince(start), 100 + CPipeService::kKillGraceMs - 50);
    EXPECT_EQ(service.GetEndedCount(), 0);

    m_board.release = true;
    EXPECT_EQ((std::vector<int>{service.Stop(1000, 0), service.GetEndedCount(), m_board.calls}),
              (std::vector<int>{1, 1, 1}));  // the stop flag ended the loop: one call
}

TEST_F(PipeServiceTest, KillCancelsHandlersWaitingOnTheirPipe)
{
    // The handlers wait on their pipe for a string the client never sends.
    CPipeService service(
        kName, 2,
        [](CPipeService* service) {
            if (!service->WaitForConn())
                return;
            ++g_board->calls;
            std::string text;
            g_board->readResult = service->Pipe()->ReadString(text, 1);
            service->Pipe()->Disconnect();
        },
        2);
    ASSERT_EQ(service.Start(), 1);
    CNamedPipe client;  // connects and then says nothing
    ASSERT_TRUE(client.InitClient(nullptr, kName) && Eventually([&] { return client.Connect(2, 0) == 1; }));
    ASSERT_TRUE(Eventually([&] { return m_board.calls > 0; }));  // the handler reads
    EXPECT_EQ((std::vector<int>{service.Stop(200, 1), m_board.readResult, service.GetEndedCount()}),
              (std::vector<int>{1, 0, 2}));
}

TEST_F(PipeServiceTest, WaitForDisconnReturnsWhenTheClientGoes)
{
    static std::atomic<int> result{-2}, below100{-2};
    result = below100 = -2;
    auto handler = [](CPipeService* service) {
        if (!service->WaitForConn())
            return;
        // Returns when the client goes: a wait to its end would outlast the test's time limit.
        result = service->WaitForDisconn(3600 * 1000);
        below100 = service->WaitForDisconn(50);  // below 100 ms it does not look: 0 although gone
        service->Pipe()->Disconnect();
    };
    CPipeService service(kName, 1, handler, 1);
    ASSERT_EQ(service.Start(), 1);
    {
        CNamedPipe client;
        ASSERT_TRUE(client.InitClient(nullptr, kName) && Eventually([&] { return client.Connect(1, 0) == 1; }));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    ASSERT_TRUE(Eventually([&] { return below100 >= 0; }));
    EXPECT_EQ((std::vector<int>{result, below100, service.Stop(1000, 0)}), (std::vector<int>{1, 0, 1}));
}

TEST_F(PipeServiceTest, StartChecksItsArguments)
{
    CPipeService noHandler(kName, 2, nullptr, 2);  // nothing runs
    EXPECT_EQ((std::vector<int>{noHandler.Start(), noHandler.GetEndedCount(), noHandler.Stop(0, 0)}),
              (std::vector<int>{1, 0, 1}));

    EXPECT_EQ(CPipeService(kName, 3, StuckHandler, 2).Start(), 0) << "more workers than slots";
    EXPECT_EQ(CPipeService(kName, 0, StuckHandler, 2).Start(), 0) << "no workers";

    RecordingService badName(std::string(60, 'n').c_str(), 2, StuckHandler, 2);
    EXPECT_EQ((std::vector<int>{badName.Start(), badName.Stop(2000, 0), badName.Lines("InitServer failed !"),
                                badName.Lines("Exit."), m_board.calls}),
              (std::vector<int>{1, 1, 2, 2, 0}));
}

TEST_F(PipeServiceTest, AHandlerCanStopItsOwnService)
{
    auto handler = [](CPipeService* service) {
        EXPECT_EQ(service->Start(), 0);
        EXPECT_EQ(service->Stop(3600 * 1000, 0), 0);  // cannot wait for itself, so does not wait
    };
    CPipeService service(kName, 2, handler, 2);
    ASSERT_EQ(service.Start(), 1);
    ASSERT_TRUE(Eventually([&] { return service.GetEndedCount() == 2; }));
    EXPECT_EQ(service.Stop(0, 0), 1);
}
