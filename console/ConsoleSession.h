#pragma once
// The main view's state and what it reads: the key ranges, the table and
// file paths built at start, the shared mailbox table object, the options
// read once at start, the group list, and the member table being watched.
// The window and kxalarmctl work on one session each.

#include "console/ListContents.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/FileWatch.h"
#include "core/GroupList.h"

#include <optional>
#include <string>
#include <vector>

namespace kx::console {

class ConsoleSession {
public:
    ConsoleSession() = default;
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    // The start of the main view: the key ranges, the persons base directory
    // and the mailbox table path; the shared table is opened (on failure the
    // error box 61499 and false: the lists stay empty and no thread starts);
    // then the two self-repairing options and the logout state file path.
    bool start();
    bool started() const { return m_started; }

    const config::KeyRanges& ranges() const { return m_ranges; }
    void setRanges(const config::KeyRanges& ranges) { m_ranges = ranges; }
    const std::string& mailboxPath() const { return m_mailboxPath; }
    const std::string& personsDirectory() const { return m_personsDirectory; }
    const std::string& logoutStateFile() const { return m_logoutStateFile; }
    std::string groupTablePath() const { return config::GroupTablePath(); }
    int threeDigitGroupNumbers() const { return m_threeDigitGroupNumbers; }
    int enableAlarmDeactivation() const { return m_enableAlarmDeactivation; }
    CDatabase& sharedTable() { return m_sharedTable; }
    WatchedMemberTable& watchedMemberTable() { return m_memberTable; }
    const GroupList& groups() const { return m_groups; }

    // The rows of the lists as they are now (nullopt: table not readable).
    std::optional<std::vector<ListRow>> alarmRows() const;
    std::optional<std::vector<ListRow>> alarmInRows() const;
    // Reloads the group table (error box 61498 and nullopt when it cannot
    // be opened; the previous groups stay).
    std::optional<GroupSelector> loadGroups();
    bool threeDigitSelector() const { return m_threeDigitSelector; }
    // The members of the group a selector text names; the member table
    // becomes the one the file-watch thread watches.
    std::vector<ListRow> memberRows(const std::string& selectorText);

    // The paths the file-watch thread watches.
    FileWatch::Paths watchPaths() const;

private:
    bool m_started = false;
    config::KeyRanges m_ranges;
    std::string m_mailboxPath;
    std::string m_personsDirectory;
    std::string m_logoutStateFile;
    int m_threeDigitGroupNumbers = 0;
    int m_enableAlarmDeactivation = 0;
    bool m_threeDigitSelector = false;
    CDatabase m_sharedTable;
    GroupList m_groups;
    WatchedMemberTable m_memberTable;
};

}  // namespace kx::console
