#include <kxsupport/PipeService.h>

#include "Sys.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

using namespace kxsupport_detail;

namespace {

// Which service's worker the calling thread is, and its index. Set by the
// worker itself before anything else runs on it.
thread_local const void* tl_service = nullptr;
thread_local int tl_index = -1;

}  // namespace

struct CPipeService::Shared {
    std::vector<char*> slots;
    std::vector<std::unique_ptr<CNamedPipe>> pipes;
    std::atomic<bool> stop{false};
    std::mutex mutex;  // guards `ended`
    std::condition_variable endedChanged;
    int ended = 0;
    std::vector<std::thread> threads;
    std::vector<std::thread::id> ids;

    std::mutex control;  // serialises Start, Stop and the owner's shut-down
    bool running = false;
    CPipeService* owner = nullptr;
    int stopWake = -1;  // eventfd signalled by Stop, so waits notice at once
    std::string name;
    int workers = 0;
    Handler handler = nullptr;

    ~Shared()
    {
        for (char* text : slots)
            std::free(text);
        if (stopWake >= 0)
            ::close(stopWake);
    }

    bool AllEnded() const { return ended >= static_cast<int>(threads.size()); }

    void JoinAll()
    {
        for (auto& t : threads)
            if (t.joinable())
                t.join();
        threads.clear();
        ids.clear();
        running = false;
    }

    void CancelPipes()
    {
        for (auto& pipe : pipes)
            pipe->Cancel();
    }
};

CPipeService::CPipeService(const char* pipeName, int workers, Handler handler, int slots)
    : m_szPipe{},
      m_nWorkers(workers),
      m_pHandler(handler),
      m_nSlots(slots < 0 ? 0 : slots),
      m_hConsole(nullptr)
{
    if (pipeName) {
        std::strncpy(m_szPipe, pipeName, sizeof m_szPipe - 1);
        m_szPipe[sizeof m_szPipe - 1] = '\0';
    }
    try {
        m_pShared = std::make_shared<Shared>();
        m_pShared->slots.assign(static_cast<size_t>(m_nSlots), nullptr);
        m_pShared->stopWake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    } catch (const std::bad_alloc&) {
        m_pShared.reset();
    }
}

CPipeService::CPipeService(const CPipeService& other)
    : m_nWorkers(other.m_nWorkers),
      m_pHandler(other.m_pHandler),
      m_nSlots(other.m_nSlots),
      m_hConsole(other.m_hConsole),
      m_pShared(other.m_pShared)
{
    std::memcpy(m_szPipe, other.m_szPipe, sizeof m_szPipe);
}

CPipeService& CPipeService::operator=(const CPipeService& other)
{
    if (this != &other) {
        if (m_pShared != other.m_pShared)
            ReleaseShared();
        std::memcpy(m_szPipe, other.m_szPipe, sizeof m_szPipe);
        m_nWorkers = other.m_nWorkers;
        m_pHandler = other.m_pHandler;
        m_nSlots = other.m_nSlots;
        m_hConsole = other.m_hConsole;
        m_pShared = other.m_pShared;
    }
    return *this;
}

CPipeService::~CPipeService()
{
    ReleaseShared();
}

// Lets go of the shared tables. Workers started by this object call back into
// it, so they are stopped and waited for first.
void CPipeService::ReleaseShared()
{
    if (!m_pShared)
        return;
    Shared& s = *m_pShared;
    {
        std::lock_guard<std::mutex> control(s.control);
        if (s.owner == this) {
            if (s.running) {
                s.stop = true;
                SignalWake(s.stopWake);
                s.CancelPipes();
                s.JoinAll();
            }
            s.owner = nullptr;
        }
    }
    m_pShared.reset();
}

void CPipeService::RunWorker(CPipeService* owner, std::shared_ptr<Shared> shared, int index)
{
    tl_service = shared.get();
    tl_index = index;
    CNamedPipe* pipe = shared->pipes[static_cast<size_t>(index)].get();

    owner->NewConsoleLine("boot...");
    if (pipe->InitServer(shared->name.c_str())) {
        owner->NewConsoleLine("InitServer OK.");
        while (!shared->stop)
            shared->handler(owner);
    } else {
        owner->NewConsoleLine("InitServer failed !");
    }
    // No instance stays open without a worker behind it.
    pipe->Disconnect();
    owner->NewConsoleLine("Exit.");

    tl_service = nullptr;
    tl_index = -1;
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        ++shared->ended;
    }
    shared->endedChanged.notify_all();
}

int CPipeService::Start()
{
    if (!m_pHandler)
        return 1;
    if (!m_pShared || m_nWorkers < 1 || m_nWorkers > m_nSlots)
        return 0;
    if (GetId() >= 0)
        return 0;  // a worker's own handler: the workers are running
    Shared& s = *m_pShared;
    std::lock_guard<std::mutex> control(s.control);
    if (s.running) {
        std::unique_lock<std::mutex> lock(s.mutex);
        if (!s.AllEnded())
            return 0;
        lock.unlock();
        s.JoinAll();
    }
    try {
        s.pipes.clear();
        for (int i = 0; i < m_nWorkers; ++i) {
            s.pipes.push_back(std::make_unique<CNamedPipe>());
            // Made now, so that Stop can cancel a worker at any moment.
            if (!s.pipes.back()->PrepareWake())
                return 0;
        }
        s.stop = false;
        s.ended = 0;
        ClearWake(s.stopWake);
        s.owner = this;
        s.name = m_szPipe;
        s.workers = m_nWorkers;
        s.handler = m_pHandler;
        s.running = true;
        for (int i = 0; i < m_nWorkers; ++i) {
            s.threads.emplace_back(&CPipeService::RunWorker, this, m_pShared, i);
            s.ids.push_back(s.threads.back().get_id());
        }
    } catch (...) {
        // Out of memory or threads: stop what was started.
        s.stop = true;
        SignalWake(s.stopWake);
        s.CancelPipes();
        s.JoinAll();
        return 0;
    }
    return 1;
}

int CPipeService::Stop(int timeOut, int kill)
{
    if (!m_pShared)
        return 0;
    Shared& s = *m_pShared;
    if (GetId() >= 0) {
        // Called by a handler: a worker cannot wait for itself to end. The
        // flag is set and the workers leave after their current handler call.
        s.stop = true;
        SignalWake(s.stopWake);
        return 0;
    }
    std::lock_guard<std::mutex> control(s.control);
    if (!s.running)
        return 1;
    s.stop = true;
    SignalWake(s.stopWake);

    std::unique_lock<std::mutex> lock(s.mutex);
    const int rounds = timeOut > 0 ? timeOut / 100 : 0;
    if (!s.AllEnded() && rounds > 0)
        s.endedChanged.wait_for(lock, std::chrono::milliseconds(rounds * 100), [&] { return s.AllEnded(); });
    if (!s.AllEnded() && kill) {
        s.CancelPipes();
        s.endedChanged.wait_for(lock, std::chrono::milliseconds(kKillGraceMs), [&] { return s.AllEnded(); });
    }
    const bool allEnded = s.AllEnded();
    lock.unlock();
    if (allEnded)
        s.JoinAll();
    return allEnded ? 1 : 0;
}

void CPipeService::SetConsole(void* console)
{
    m_hConsole = console;
}

int CPipeService::GetId() const
{
    return m_pShared && tl_service == m_pShared.get() ? tl_index : -1;
}

CNamedPipe* CPipeService::Pipe() const
{
    int id = GetId();
    return id < 0 ? nullptr : m_pShared->pipes[static_cast<size_t>(id)].get();
}

int CPipeService::WaitForConn()
{
    CNamedPipe* pipe = Pipe();
    if (!pipe)
        return 0;
    Shared& s = *m_pShared;
    const int64_t pause = static_cast<int64_t>(s.workers) * 100;
    for (;;) {
        if (pipe->Connect(s.workers, 0))
            return 1;
        if (s.stop || pipe->m_bCancelled) {
            pipe->Disconnect();
            return 0;
        }
        pipe->WaitForClient(pause, s.stopWake);
    }
}

int CPipeService::WaitForDisconn(int ms)
{
    CNamedPipe* pipe = Pipe();
    if (!pipe || ms < 100)
        return 0;
    Shared& s = *m_pShared;
    auto gone = [pipe] { return pipe->m_nState != CNamedPipe::stateConnected || pipe->WaitForHangUp(0, -1); };
    for (int round = ms / 100; round > 0; --round) {
        if (gone())
            return 1;
        if (s.stop) {
            pipe->Disconnect();
            return 1;
        }
        if (pipe->m_bCancelled)
            return 0;
        pipe->WaitForHangUp(100, s.stopWake);
    }
    return gone() ? 1 : 0;
}

void CPipeService::NewConsoleLine(const char* /*text*/) {}

int CPipeService::SetSlot(int index, const char* text)
{
    if (!m_pShared || index < 0 || index >= static_cast<int>(m_pShared->slots.size()))
        return 0;
    char* copy = nullptr;
    if (text && !(copy = ::strdup(text)))
        return 0;
    char*& slot = m_pShared->slots[static_cast<size_t>(index)];
    std::free(slot);
    slot = copy;
    return 1;
}

const char* CPipeService::GetSlot(int index) const
{
    if (!m_pShared || index < 0 || index >= static_cast<int>(m_pShared->slots.size()))
        return nullptr;
    return m_pShared->slots[static_cast<size_t>(index)];
}

int CPipeService::GetEndedCount() const
{
    if (!m_pShared)
        return 0;
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return m_pShared->ended;
}

int CPipeService::IsStopping() const
{
    return m_pShared && m_pShared->stop ? 1 : 0;
}
