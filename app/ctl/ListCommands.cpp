// kxalarmctl list / set-type / launch: the main window's lists and the
// commands that work on their selected rows, on the same models.

#include "app/ctl/CtlCommand.h"
#include "console/ConsoleCommands.h"
#include "console/ConsoleSession.h"
#include "console/ListRow.h"
#include "platform/TextEncoding.h"
#include "settings/PostQueues.h"

#include <cstdio>

namespace kx::ctl {

namespace {

using console::ListRow;

// The console's start: the session and its groups, as the window has them.
bool startSession(console::ConsoleSession& session)
{
    if (!session.start())
        return false;
    session.loadGroups();
    return true;
}

void printRow(std::initializer_list<std::string> cells)
{
    std::string line;
    for (const std::string& cell : cells) {
        if (!line.empty() || &cell != cells.begin())
            line += '\t';
        line += cell;
    }
    std::printf("%s\n", line.c_str());
}

std::string u(const std::string& cp1252)
{
    return EscapeControls(Cp1252ToUtf8(cp1252));
}

const ListRow* findRow(const std::vector<ListRow>& rows, long key)
{
    for (const ListRow& row : rows)
        if (row.key == key)
            return &row;
    return nullptr;
}

}  // namespace

int RunListSupervision();  // SupervisionList.cpp

int RunList(const Arguments& args)
{
    const Command& self = *FindCommand("list");
    if (args.empty())
        return UsageError(self, "expects alarms, alarms-in, groups, members GROUP, supervision or post-queues");
    const std::string& what = args[0];
    if ((what == "members" && args.size() != 2) || (what != "members" && args.size() != 1))
        return UsageError(self, "wrong number of arguments");
    if (what == "supervision")
        return RunListSupervision();
    if (what == "post-queues") {
        for (const settings::Option& item : settings::PostQueueItems())
            printRow({item.token, item.label.empty() ? u(item.text) : Tr(item.label)});
        return kExitOk;
    }

    console::ConsoleSession session;
    if (!startSession(session))
        return Fail("the mailbox table could not be opened", 2);

    if (what == "alarms") {
        const auto rows = session.alarmRows();
        if (!rows)
            return Fail("the mailbox table could not be read", 2);
        for (const ListRow& r : *rows)
            printRow({r.text[0], u(r.text[1]), u(r.text[2]), u(r.text[3]), std::to_string(r.image[0]),
                      std::to_string(r.image[2]), std::to_string(r.image[3])});
        return kExitOk;
    }
    if (what == "alarms-in") {
        const auto rows = session.alarmInRows();
        if (!rows)
            return Fail("the mailbox table could not be read", 2);
        for (const ListRow& r : *rows)
            printRow({r.text[0], u(r.text[1]), u(r.text[2]), u(r.text[3]), std::to_string(r.image[0])});
        return kExitOk;
    }
    if (what == "groups") {
        const auto selector = session.loadGroups();
        if (!selector)
            return Fail("the group table could not be opened", 2);
        for (const std::string& entry : selector->entries)
            std::printf("%s\n", u(entry).c_str());
        if (selector->entries.empty())
            std::fprintf(stderr, "%s\n", u(selector->noGroupText).c_str());
        return kExitOk;
    }
    if (what == "members") {
        std::string group;
        if (!ToCp1252(args[1], group))
            return kExitFailed;
        for (const ListRow& r : session.memberRows(group))
            printRow({u(r.text[0]), u(r.text[1]), u(r.text[2]), std::to_string(r.image[0])});
        return kExitOk;
    }
    return UsageError(self, "unknown list " + what);
}

int RunSetType(const Arguments& args)
{
    const Command& self = *FindCommand("set-type");
    long type = 0;
    if (args.size() < 2 || !ParseNumber(args[0], type) || type < 0 || type > 11)
        return UsageError(self, "expects a type CODE from 0 to 11 and one or more keys");
    std::vector<long> keys;
    if (int code = ParseKeys(self, args, 1, keys))
        return code;
    console::ConsoleSession session;
    if (!startSession(session))
        return Fail("the mailbox table could not be opened", 2);
    if (!console::SetAlarmType(static_cast<int>(type), keys, session.sharedTable(), session.mailboxPath()))
        return Fail("the alarm type was not written to every key", 2);
    return kExitOk;
}

int RunLaunch(const Arguments& args)
{
    const Command& self = *FindCommand("launch");
    long key = 0;
    if (args.size() != 1)
        return UsageError(self, "expects one alarm KEY");
    if (int code = ParseKey(args[0], key))
        return code;
    console::ConsoleSession session;
    if (!startSession(session))
        return Fail("the mailbox table could not be opened", 2);
    const auto rows = session.alarmRows();
    const ListRow* row = rows ? findRow(*rows, key) : nullptr;
    if (!row)
        return Fail("key " + args[0] + " is not in the alarm list");
    const auto started =
        console::LaunchAlarm(console::SelectedAlarm{row->text[0], row->text[1]}, session.ranges().firstAlarmKey);
    if (!started)
        return Fail("nothing launched", 3);
    if (!started->started)
        return Fail("the launch program did not start: " + started->error, 4);
    std::printf("%s\n", started->program.c_str());
    return kExitOk;
}

namespace {
const CommandRegistration listRegistration(
    40, {"list", "list alarms | alarms-in | groups | members GROUP | supervision | post-queues",
         "The main window's lists, one row per line in list (key) order, tab-separated:\n"
         "  alarms:    key, name, group text, kind text, type image, group image, server image (-1: none)\n"
         "  alarms-in: key, name, function text, launched alarm text, image\n"
         "  groups:    the group selector's entries\n"
         "  members:   name, phone number, phone type, image, of the group GROUP (a selector entry or\n"
         "             its number; \"Not generated or empty\" when it has none)\n"
         "  supervision: the alarms-in of function 6: key, name, launched alarm, interval, last call,\n"
         "             last alarm (\"Supervison overview\")\n"
         "  post-queues: the queue list of the queue selections: position (the queue number), text",
         RunList});
const CommandRegistration setTypeRegistration(
    41, {"set-type", "set-type CODE KEY...",
         "Sets the alarm type CODE (0-11) of the alarms KEY..., as \"Select alarm type\" does on selected rows.\n"
         "A key that is not an alarm of the alarm range refuses the whole command: nothing is written.\n"
         "Exit 2 when a key was refused or a write failed.",
         RunSetType});
const CommandRegistration launchRegistration(
    42, {"launch", "launch KEY",
         "Launches the alarm KEY as \"Launch alarm\" does: asks first (answer with --yes or --no), then starts\n"
         "the script engine with the caller text. Prints the program started. Exit 3 when nothing was\n"
         "launched (No, or a key outside 10-9999), 4 when the program could not be started.",
         RunLaunch});
}  // namespace

}  // namespace kx::ctl
