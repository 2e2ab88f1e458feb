#include "core/FileWatch.h"

#include "core/Configuration.h"
#include "platform/SitePaths.h"

#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace kx {

FileStamp StampOf(const std::string& storedPath)
{
    FileStamp stamp;
    if (storedPath.empty())
        return stamp;
    const std::string path = SitePaths::translate(storedPath);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return stamp;
    stamp.seconds = st.st_mtim.tv_sec;
    stamp.nanoseconds = st.st_mtim.tv_nsec;
    stamp.size = st.st_size;
    return stamp;
}

void WatchedMemberTable::set(std::string storedPath)
{
    std::lock_guard lock(m_mutex);
    m_path = std::move(storedPath);
}

std::string WatchedMemberTable::get() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

FileWatch::FileWatch(Paths paths, ViewMessenger* messenger, Sleeper sleeper)
    : m_paths(std::move(paths)),
      m_messenger(messenger),
      m_sleep(std::move(sleeper))
{
    if (!m_sleep)
        m_sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
}

void FileWatch::start()
{
    m_mailbox = StampOf(m_paths.mailboxTable);
    m_groups = StampOf(m_paths.groupTable);
    m_members = StampOf(m_paths.memberTable ? m_paths.memberTable->get() : std::string());
    m_logout = StampOf(m_paths.logoutStateFile);
}

void FileWatch::run(const std::atomic<bool>& running)
{
    start();
    keepWatching(running);
}

void FileWatch::keepWatching(const std::atomic<bool>& running)
{
    while (running.load())
        cycle();
}

void FileWatch::deliver(ViewMessage message, bool sent)
{
    if (!m_messenger)
        return;
    if (sent)
        m_messenger->send(message);
    else
        m_messenger->post(message);
}

void FileWatch::cycle()
{
    const FileStamp mailbox = StampOf(m_paths.mailboxTable);
    if (mailbox != m_mailbox) {
        m_mailbox = mailbox;
        m_sleep(500);  // let the other program finish writing
        deliver(ViewMessage::AlarmsChanged, true);
        deliver(ViewMessage::AlarmsInChanged, true);
    } else {
        m_sleep(1000);
    }

    const FileStamp groups = StampOf(m_paths.groupTable);
    if (groups != m_groups) {
        m_groups = groups;
        m_sleep(1000);
        deliver(ViewMessage::MembersChanged, false);
        deliver(ViewMessage::GroupsChanged, false);
    }

    // After another group was selected, its table is compared with the
    // stamp seen last for the previous group's table.
    const FileStamp members = StampOf(m_paths.memberTable ? m_paths.memberTable->get() : std::string());
    if (members != m_members) {
        m_members = members;
        deliver(ViewMessage::MembersChanged, false);
    }

    if (config::CheckPerson() == 1) {
        const FileStamp logout = StampOf(m_paths.logoutStateFile);
        if (logout != m_logout) {
            m_logout = logout;
            deliver(ViewMessage::MembersChanged, false);
        }
    }
}

}  // namespace kx
