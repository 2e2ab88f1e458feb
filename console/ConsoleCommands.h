#pragma once
// What the main window's commands do, apart from opening dialogs: the
// companion programs they start, with their exact command lines, launching
// an alarm, the schedule plan editor's argument, the persons editor, and
// setting the alarm type of the selected alarms.
//
// Keys and names are data (Windows-1252). Programs are started "shown
// normally, not waited for"; a missing program is not reported to the
// operator (the result tells the caller).

#include "platform/ProgramLauncher.h"

#include <optional>
#include <string>
#include <vector>

class CDatabase;

namespace kx::console {

// The command line of a command that only starts a program ("kxaview.exe"
// for cmd::ViewAlarmResults and its button ...); empty for other commands.
std::string FixedProgramLine(int commandId);

CommandLine AlarmConfiguratorLine(long key);                                  // "kxaconf.exe %d"
CommandLine ConfigurationOverviewLine();                                      // "kxaconf.exe showconf"
CommandLine LaunchProgramLine(long key);                                      // "kxlaunch.exe %d"
CommandLine ScriptEngineLaunchLine(long key, const std::string& callerText);  // "kxe.exe kxarun 1 -i4%d -s8%s"

// The first selected row of the alarm list: its column 0 and 1 texts.
struct SelectedAlarm {
    std::string keyText;
    std::string name;
};

// "&Launch alarm": without a selection "kxlaunch.exe" with the first alarm
// key; else asks "Do you want to launch the alarm '%1' ?" (No as default)
// and, for a key from 10 to 9999, starts the script engine with the caller
// text "AlarmCenter on <computer>". Returns what was started, if anything.
std::optional<LaunchResult> LaunchAlarm(const std::optional<SelectedAlarm>& selected, int firstAlarmKey);

// The schedule plan editor's argument for the selected alarm (-1 for none):
// "KXA=%d" when the key is above 99 and its week plan "kxa_%d.kxw" or year
// plan "kxa_%d.kxh" exists in the working directory, else empty.
std::string SchedulePlanArgument(long selectedKey);
// "kxsched.exe %s" (with an empty argument the line ends in a blank).
CommandLine SchedulePlanEditorLine(long selectedKey);

enum class PersonsEditor {
    Plain,
    NewPersons,
    NewGroup,
    Person,
    Group
};
// "%s.\kxpers.exe" and its variants with the persons base directory; the
// person's name or the group's number follows "pers=" / "grp=" unquoted.
CommandLine PersonsEditorLine(const std::string& personsBaseDirectory, PersonsEditor kind,
                              const std::string& argument = {});

// The alarm type a "Select alarm type" command sets; -1 for other commands.
int AlarmTypeOfCommand(int commandId);
// The command of an alarm type 0..11; 0 outside.
int CommandOfAlarmType(int type);
// Writes the type into num2_4 of every key (in list order) through the
// logical-name write: with no key the error box 61612. The shared table
// object is opened on the path and closed afterwards. Keys that are not
// alarms of the alarm range are refused before anything is written. True
// when every key was written.
bool SetAlarmType(int type, const std::vector<long>& keys, CDatabase& sharedTable, const std::string& mailboxPath);
// The type command carrying the check mark: the type of the first selected
// alarm, none (0) without a selection, for a key below 10, or while the
// alarm is deactivated.
int CheckedAlarmTypeCommand(std::optional<long> firstSelectedKey, const std::string& mailboxPath);

}  // namespace kx::console
