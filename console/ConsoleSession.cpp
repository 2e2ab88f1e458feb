#include "console/ConsoleSession.h"

#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"

namespace kx::console {

ConsoleSession::~ConsoleSession()
{
    m_sharedTable.Close();
}

bool ConsoleSession::start()
{
    m_ranges = config::ReadKeyRanges();
    m_personsDirectory = config::PersonsBaseDirectory();
    m_mailboxPath = config::MailboxTablePath();
    if (!m_sharedTable.Open(m_mailboxPath.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, m_mailboxPath);
        return false;
    }
    m_threeDigitGroupNumbers = config::ThreeDigitGroupNumbers();
    m_enableAlarmDeactivation = config::EnableAlarmDeactivation();
    m_logoutStateFile = config::LogoutStateFilePath();
    m_started = true;
    return true;
}

std::optional<std::vector<ListRow>> ConsoleSession::alarmRows() const
{
    return AlarmRows(m_mailboxPath, m_ranges.firstAlarmKey, m_ranges.lastAlarmKey, m_groups, ReadServerIdentity());
}

std::optional<std::vector<ListRow>> ConsoleSession::alarmInRows() const
{
    return AlarmInRows(m_mailboxPath, m_ranges);
}

std::optional<GroupSelector> ConsoleSession::loadGroups()
{
    GroupList groups;
    std::optional<GroupSelector> selector = LoadGroups(groupTablePath(), m_threeDigitGroupNumbers, groups);
    if (selector) {
        m_groups = std::move(groups);
        m_threeDigitSelector = selector->threeDigitNumbers;
    }
    return selector;
}

std::vector<ListRow> ConsoleSession::memberRows(const std::string& selectorText)
{
    if (SelectorHasNoMembers(selectorText))
        return {};
    const std::string path = MemberTableOfSelector(selectorText, m_personsDirectory);
    m_memberTable.set(path);
    return MemberRows(path, config::CheckPerson(), m_logoutStateFile);
}

FileWatch::Paths ConsoleSession::watchPaths() const
{
    FileWatch::Paths paths;
    paths.mailboxTable = m_mailboxPath;
    paths.groupTable = groupTablePath();
    paths.memberTable = &m_memberTable;
    paths.logoutStateFile = m_logoutStateFile;
    return paths;
}

}  // namespace kx::console
