#pragma once
// What the main window's lists show, read from the tables: the alarm rows,
// the alarm-in rows, the group selector and the members of the selected
// group. The window and kxalarmctl show the same rows.

#include "console/ListRow.h"
#include "core/Configuration.h"
#include "core/GroupList.h"

#include <optional>
#include <string>
#include <vector>

namespace kx::console {

// This computer's place in master/slave operation: its server number (0: no
// server column) and the key range the server images apply to (all keys
// when both are 0).
struct ServerIdentity {
    int serverNumber = 0;
    int firstAlarm = 0;
    int lastAlarm = 0;
    bool appliesTo(long key) const
    {
        return serverNumber != 0 && ((firstAlarm == 0 && lastAlarm == 0) || (key >= firstAlarm && key <= lastAlarm));
    }
};
// From section kxaredundant of kxalarm.ini (Active 1, Mode 3) and the
// "Server%d" sections of kxamaster.ini, matched against the computer name.
ServerIdentity ReadServerIdentity();

// The alarms ("91") of the key range in key order; nullopt when the mailbox
// table cannot be opened (the list is then left as it is).
std::optional<std::vector<ListRow>> AlarmRows(const std::string& mailboxPath, int firstKey, int lastKey,
                                              const GroupList& groups, const ServerIdentity& server);

// The alarms-in ("92") of the alarm-in range in key order; the launched
// alarm column names alarms of the alarm range.
std::optional<std::vector<ListRow>> AlarmInRows(const std::string& mailboxPath, const config::KeyRanges& ranges);

// The group selector.
struct GroupSelector {
    std::vector<std::string> entries;  // "%d %s" or "%03d %s", then "NO GROUP SPECIFIED"
    std::string noGroupText;           // "No group created" when the table holds no record
    bool threeDigitNumbers = false;    // the group table allows them and 3DigitGroupNumbers is 1
};
// Loads the group table into `groups` and builds the selector; nullopt (and
// the error box 61498) when the table cannot be opened.
std::optional<GroupSelector> LoadGroups(const std::string& groupTablePath, int threeDigitGroupNumbers,
                                        GroupList& groups);

// The selector entry that shows an alarm's group (its group column text):
// the pseudo groups as they are, others in the selector's number format.
std::string SelectorTextForGroup(const std::string& groupText, bool threeDigitNumbers);
// The first entry that begins with `text`; -1 when none.
int FindSelectorEntry(const std::vector<std::string>& entries, const std::string& text);

// True when the selector text names no member table (nothing selected or a pseudo group).
bool SelectorHasNoMembers(const std::string& selectorText);
// The member table of a selector text ("%s.\kxagrp%d.dbf" with its leading number).
std::string MemberTableOfSelector(const std::string& selectorText, const std::string& personsBaseDirectory);

// The members of a member table; a missing or empty table gives the single
// row "Not generated or empty". With CheckPerson 1 a person whose phone
// number is logged out in the logout state file gets the logged-out image.
std::vector<ListRow> MemberRows(const std::string& memberTablePath, int checkPerson,
                                const std::string& logoutStateFile);

}  // namespace kx::console
