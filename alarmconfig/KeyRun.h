#pragma once
// A run that adds or deletes alarms or alarms-in on a writer thread of its
// own. The run owns its key list, its cancel flag and its progress; the
// writer opens its own mailbox table and writes each key as one unit under
// the key's record lock (status read again first), so no key is ever left
// half-written. It talks to its owner only through the events, called on
// the writer thread: the owner posts them on (the window to its user
// interface thread, kxalarmctl to the terminal), and the writer never waits
// for it. Runs of a process follow one another: a started run's writer
// waits until the writer before it has ended.

#include "platform/Text.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace kx::alarmconfig {

// What a run does.
struct RunKind {
    bool add = true;    // add (free keys become new records), else delete (keys are freed)
    bool alarm = true;  // alarms, else alarms-in
};

// How a run ended.
struct RunEnd {
    enum class Outcome {
        Finished,
        Canceled,
        Failed,
    };
    Outcome outcome = Outcome::Finished;
    std::size_t done = 0;       // keys written
    std::size_t total = 0;      // keys of the list
    std::vector<long> changed;  // skipped: another program changed them meanwhile
    long failedKey = -1;        // Failed: the key not written; -1 when the table did not open
    std::string reason;         // Failed: why
};

class KeyRun {
public:
    struct Events {
        std::function<void(int percent)> progress;  // when the percentage rises
        std::function<void(long key)> written;      // after each key written
        std::function<void(const RunEnd& end)> ended;
    };

    KeyRun(std::string tablePath, RunKind kind, std::vector<long> keys, Events events);
    ~KeyRun();  // cancels and waits for the writer
    KeyRun(const KeyRun&) = delete;
    KeyRun& operator=(const KeyRun&) = delete;

    void start();
    // Cancel takes effect between keys; the run ends as cancelled unless
    // its last key was already written.
    void cancel() { m_cancel = true; }
    // True once the writer has called its last event.
    bool ended() const { return m_ended; }
    void wait();

    RunKind kind() const { return m_kind; }
    const std::vector<long>& keys() const { return m_keys; }

    // The lines of an end (operator's language, UTF-8): the outcome, keys
    // changed meanwhile, "%1 of %2 keys done".
    static std::string EndText(RunKind kind, const RunEnd& end);
    // The failure of an ended run as an error box; nothing when it did not fail.
    static void ReportFailure(const RunEnd& end);

private:
    void work(unsigned long ticket);
    RunEnd writeKeys();

    std::string m_tablePath;
    RunKind m_kind;
    std::vector<long> m_keys;
    Events m_events;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_ended{false};
    std::thread m_thread;
};

}  // namespace kx::alarmconfig
