#include "alarmconfig/KeyRun.h"

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"

#include <condition_variable>
#include <mutex>

namespace kx::alarmconfig {

namespace {

constexpr Text kKeysDone = KX_TEXT("KeyRun", "%1 of %2 keys done");
constexpr Text kDeleteAlarmsCanceled = KX_TEXT("KeyRun", "Delete of alarms has been canceled");
constexpr Text kDeleteAlarmInsCanceled = KX_TEXT("KeyRun", "Delete of alarms-in has been canceled");
constexpr Text kAddCanceled = KX_TEXT("KeyRun", "Canceled, no new elements are added");
constexpr Text kAddCanceledAfterWrites = KX_TEXT("KeyRun", "Canceled, no further elements are added");
constexpr Text kKeysChanged = KX_TEXT("KeyRun", "Changed by another program meanwhile and left as they are: %1");
constexpr Text kKeyNotWritten = KX_TEXT("KeyRun", "Key %1 could not be written; it and the keys after it "
                                                  "are left as they are.\n%2");
constexpr Text kTableNotOpened = KX_TEXT("KeyRun", "The mailbox table could not be opened; nothing was written.\n%1");

// One writer at a time in the process, in the order the runs were started:
// start() draws a ticket on the starting thread, and the writer waits on its
// own thread until the writers before it have ended.
struct WriterTurns {
    std::mutex mutex;
    std::condition_variable next;
    unsigned long drawn = 0;
    unsigned long serving = 0;
};
WriterTurns& writerTurns()
{
    static WriterTurns turns;
    return turns;
}

}  // namespace

KeyRun::KeyRun(std::string tablePath, RunKind kind, std::vector<long> keys, Events events)
    : m_tablePath(std::move(tablePath)),
      m_kind(kind),
      m_keys(std::move(keys)),
      m_events(std::move(events))
{}

KeyRun::~KeyRun()
{
    cancel();
    wait();
}

void KeyRun::start()
{
    if (m_thread.joinable() || m_ended)
        return;
    WriterTurns& turns = writerTurns();
    unsigned long ticket = 0;
    {
        std::lock_guard<std::mutex> lock(turns.mutex);
        ticket = turns.drawn++;
    }
    m_thread = std::thread([this, ticket] { work(ticket); });
}

void KeyRun::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void KeyRun::work(unsigned long ticket)
{
    WriterTurns& turns = writerTurns();
    {
        std::unique_lock<std::mutex> lock(turns.mutex);
        turns.next.wait(lock, [&] { return turns.serving == ticket; });
    }
    const RunEnd end = writeKeys();
    {
        std::lock_guard<std::mutex> lock(turns.mutex);
        ++turns.serving;
    }
    turns.next.notify_all();
    m_ended = true;  // before the event: its receiver may close the run
    if (m_events.ended)
        m_events.ended(end);
}

RunEnd KeyRun::writeKeys()
{
    RunEnd end;
    end.total = m_keys.size();
    CDatabase table;
    table.SetQuiet(true);  // failures come back as values; this thread shows nothing
    if (!table.Open(m_tablePath.c_str())) {
        end.outcome = RunEnd::Outcome::Failed;
        end.reason = CDatabase::LastError();
        return end;
    }
    ScopedClose closing(table);
    const char* kindStatus = m_kind.alarm ? mailbox::kStatusAlarm : mailbox::kStatusAlarmIn;
    const auto statusAllowed = [this, kindStatus](std::string_view status) {
        if (m_kind.add)
            return status != mailbox::kStatusAlarm && status != mailbox::kStatusAlarmIn;
        return status == kindStatus;
    };
    const std::vector<mailbox::FieldWrite> freed = mailbox::FreedRecordWrites();
    mailbox::UnitWriter writer(table);
    int reported = 0;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_cancel) {
            end.outcome = RunEnd::Outcome::Canceled;
            return end;
        }
        const long key = m_keys[i];
        if (key >= mailbox::kLowestFreeableKey) {
            const mailbox::UnitResult result =
                writer.write(key, statusAllowed, m_kind.add ? mailbox::NewRecordWrites(key, m_kind.alarm) : freed);
            if (result.outcome == mailbox::UnitResult::Outcome::Failed) {
                end.outcome = RunEnd::Outcome::Failed;
                end.failedKey = key;
                end.reason = result.reason;
                return end;
            }
            if (result.outcome == mailbox::UnitResult::Outcome::StatusChanged) {
                end.changed.push_back(key);
            } else {
                ++end.done;
                if (m_events.written)
                    m_events.written(key);
            }
        }
        const int percent = static_cast<int>((i + 1) * 100 / m_keys.size());
        if (percent > reported && m_events.progress)
            m_events.progress(reported = percent);
    }
    return end;
}

std::string KeyRun::EndText(RunKind kind, const RunEnd& end)
{
    std::string text;
    const auto line = [&text](const std::string& l) {
        if (!text.empty())
            text += '\n';
        text += l;
    };
    switch (end.outcome) {
    case RunEnd::Outcome::Finished:
        break;
    case RunEnd::Outcome::Canceled:
        if (!kind.add)
            line(Tr(kind.alarm ? kDeleteAlarmsCanceled : kDeleteAlarmInsCanceled));
        else
            line(Tr(end.done > 0 ? kAddCanceledAfterWrites : kAddCanceled));
        break;
    case RunEnd::Outcome::Failed:
        line(end.failedKey < 0 ? Tr(kTableNotOpened, end.reason)
                               : Tr(kKeyNotWritten, std::to_string(end.failedKey), end.reason));
        break;
    }
    if (!end.changed.empty()) {
        std::string keys;
        for (long key : end.changed)
            keys += (keys.empty() ? "" : ", ") + std::to_string(key);
        line(Tr(kKeysChanged, keys));
    }
    line(Tr(kKeysDone, std::to_string(end.done), std::to_string(end.total)));
    return text;
}

void KeyRun::ReportFailure(const RunEnd& end)
{
    if (end.outcome != RunEnd::Outcome::Failed)
        return;
    if (end.failedKey < 0)
        ErrorBox(kTableNotOpened, end.reason);
    else
        ErrorBox(kKeyNotWritten, std::to_string(end.failedKey), end.reason);
}

}  // namespace kx::alarmconfig
