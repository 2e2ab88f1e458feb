// CPipeService: a multi-threaded pipe server. Each worker thread owns one
// server instance (a CNamedPipe) of the service's pipe and calls the
// application's handler in a loop until the service is stopped.
//
// Worker thread, in order: NewConsoleLine("boot..."); InitServer on its own
// pipe object; then "InitServer OK." and the handler again and again until the
// stop flag is set, or "InitServer failed !"; finally its instance is closed,
// "Exit." is passed on and the worker counts itself as ended.
//
// A worker finds its pipe object and index through Pipe() and GetId(); each
// thread is told its index when it is created, so the lookup never races with
// the recording of thread ids.
//
// Stopping and the kill flag
//   Threads are never terminated from outside: that would leave locks, heap
//   and descriptors in an undefined state. Stop(timeOut, kill) sets the stop
//   flag and waits up to timeOut ms for the workers to finish their current
//   handler call. With the kill flag, workers still running after that are
//   cancelled: every wait inside this library on a worker's pipe (Connect,
//   ReadString, writes, WaitForConn, WaitForDisconn) returns failure at once,
//   now and later, so a handler that waits on its pipe comes back. Stop then
//   waits up to kKillGraceMs more. Workers that are still busy in their own
//   code are reported as not ended (result 0) and keep running; they end when
//   their handler returns.
//   The destructor of the object that started the workers sets the stop flag,
//   cancels them as the kill flag does and waits for every one to end: a
//   handler that never returns keeps the destructor waiting. A derived class
//   should call Stop in its own destructor, since workers call its
//   NewConsoleLine.
//
// Copies share the service's tables (pipes, slots, stop flag, ended count,
// threads): a copy can Stop the workers, and the tables are released with the
// last object that refers to them. The handler is always called with the
// object that started the workers.
//
// NewConsoleLine is called from the worker threads, possibly several at once.
#pragma once

#include <kxsupport/Export.h>
#include <kxsupport/NamedPipe.h>

#include <memory>

class KXSUPPORT_API CPipeService {
public:
    typedef void (*Handler)(CPipeService* service);

    static constexpr int kKillGraceMs = 1000;

    // Copies the name (at most 127 characters are kept; a pipe name itself is
    // limited to 39) and allocates the tables: `slots` text slots, initially
    // null. The number of workers must not exceed the number of slots.
    CPipeService(const char* pipeName, int workers, Handler handler, int slots);
    CPipeService(const CPipeService& other);
    CPipeService& operator=(const CPipeService& other);
    virtual ~CPipeService();

    // Without a handler: 1 and nothing happens. Otherwise clears the stop flag
    // and the ended count and starts one worker per pipe object; 1 on success.
    // 0 when workers < 1 or workers > slots, when workers of this service are
    // still running, or when a thread cannot be created (the ones started are
    // stopped again).
    int Start();
    // Sets the stop flag and waits for the workers, at most timeOut ms (in
    // rounds of 100 ms; returns as soon as all have ended). See above for the
    // kill flag. 1 when all workers have ended, else 0. Called from a handler
    // it only sets the flag and returns 0. A handler must not destroy its own
    // service.
    int Stop(int timeOut, int kill);
    // Kept for derived classes (GetConsole); the service does not use it.
    void SetConsole(void* console);

    // On the calling worker's pipe: waits for a client (non-waiting Connect
    // with maximum instances = number of workers, retried every workers x 100
    // ms or as soon as a client arrives). 1 when connected; 0 when the stop
    // flag ends the wait (the pipe is then disconnected), when cancelled, or
    // when called from a thread that is not a worker.
    int WaitForConn();
    // Waits up to `ms` ms for the client to go. Does nothing below 100 ms.
    // Checks every 100 ms (and returns as soon as the client hangs up); when
    // the stop flag is set, disconnects and returns. 1 when the pipe is no
    // longer connected on return, 0 when the client is still there (the pipe
    // is then left connected) or the caller is not a worker.
    int WaitForDisconn(int ms);
    // The calling thread's index among the workers, -1 for any other thread.
    int GetId() const;
    // The calling worker's pipe object, null for any other thread.
    CNamedPipe* Pipe() const;

    // Receives the workers' progress texts; the base does nothing.
    virtual void NewConsoleLine(const char* text);

    // Text slot i (0 <= i < slots): a copy of `text` replaces the slot's text
    // (null clears it). 0 for an index out of range. Slots are not locked: a
    // slot must not be set while another thread reads it.
    int SetSlot(int index, const char* text);
    const char* GetSlot(int index) const;

    const char* GetPipeName() const { return m_szPipe; }
    int GetWorkerCount() const { return m_nWorkers; }
    int GetSlotCount() const { return m_nSlots; }
    int GetEndedCount() const;
    int IsStopping() const;

protected:
    void* GetConsole() const { return m_hConsole; }

private:
    struct Shared;
    static void RunWorker(CPipeService* owner, std::shared_ptr<Shared> shared, int index);
    void ReleaseShared();

    char m_szPipe[128];
    int m_nWorkers;
    Handler m_pHandler;
    int m_nSlots;
    void* m_hConsole;
    // Text slots, pipe table, stop flag, ended count, thread table and ids.
    std::shared_ptr<Shared> m_pShared;
};
