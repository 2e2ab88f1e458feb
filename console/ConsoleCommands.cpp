#include "console/ConsoleCommands.h"

#include "console/AlarmKeys.h"
#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "platform/SystemInfo.h"
#include "platform/TextEncoding.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace kx::console {

namespace {

constexpr std::array<std::pair<int, const char*>, 18> kFixedLines = {{
    {cmd::ViewAlarmResults, "kxaview.exe"},
    {cmd::ViewAlarmResultsButton, "kxaview.exe"},
    {cmd::Setup, "kxasetup.exe"},
    {cmd::AlarmSimulation, "kxasim.exe"},
    {cmd::AlarmSimulationButton, "kxasim.exe"},
    {cmd::DataBackup, "kxsavebase.exe"},
    {cmd::DataBackupButton, "kxsavebase.exe"},
    {cmd::PostjobMonitor, "kxtpost.exe"},
    {cmd::LineMonitor, "kxtmon.exe"},
    {cmd::LineMonitorButton, "kxtmon.exe"},
    {cmd::ReleaseCheck, "kxrelease.exe"},
    {cmd::ReleaseCheckButton, "kxrelease.exe"},
    {cmd::SystemInformation, "kxinfo.exe"},
    {cmd::SystemInformationButton, "kxinfo.exe"},
    {cmd::DialUtility, "kxdial.exe"},
    {cmd::DialUtilityButton, "kxdial.exe"},
    {cmd::LaunchUtilityButton, "kxatest.exe"},
    {cmd::DetailsButton, "kxaconf.exe showconf"},
}};

constexpr std::array<std::pair<int, int>, mailbox::kAlarmTypeCount> kTypeCommands = {{
    {cmd::TypeNotSpecified, 0},
    {cmd::TypeContact, 1},
    {cmd::TypeFireAlarm, 2},
    {cmd::TypeHouseManagement, 3},
    {cmd::TypePhone, 4},
    {cmd::TypeTechnical, 5},
    {cmd::TypeFirstAid, 6},
    {cmd::TypeDayNight, 7},
    {cmd::TypeWatchDog, 8},
    {cmd::TypeManDown, 9},
    {cmd::TypeServerWatch, 10},
    {cmd::TypeServiceWatch, 11},
}};

CommandLine withNumber(const char* program, long number)
{
    CommandLine line(program);
    line.arg(std::to_string(number));
    return line;
}

}  // namespace

std::string FixedProgramLine(int commandId)
{
    for (const auto& [id, line] : kFixedLines)
        if (id == commandId)
            return line;
    return {};
}

CommandLine AlarmConfiguratorLine(long key)
{
    return withNumber("kxaconf.exe", key);
}

CommandLine ConfigurationOverviewLine()
{
    return CommandLine("kxaconf.exe showconf");
}

CommandLine LaunchProgramLine(long key)
{
    return withNumber("kxlaunch.exe", key);
}

CommandLine ScriptEngineLaunchLine(long key, const std::string& callerText)
{
    CommandLine line("kxe.exe kxarun 1");
    line.arg("-i4" + std::to_string(key));
    // The caller text may hold blanks; it goes unquoted at the end.
    line.words("-s8" + callerText);
    return line;
}

std::optional<LaunchResult> LaunchAlarm(const std::optional<SelectedAlarm>& selected, int firstAlarmKey)
{
    if (!selected)
        return StartProgram(LaunchProgramLine(firstAlarmKey));
    const std::string text = selected->keyText + " " + selected->name;
    if (!ConfirmBox(str::ConfirmLaunchAlarm, true, text))
        return std::nullopt;
    const long key = std::strtol(text.c_str(), nullptr, 10);
    if (key < 10 || key > 9999)
        return std::nullopt;
    const std::string computer = ComputerName().substr(0, 40);
    const std::string caller = Utf8ToCp1252Lossy(FormatString(str::CallerText, Cp1252ToUtf8(computer)));
    return StartProgram(ScriptEngineLaunchLine(key, caller));
}

std::string SchedulePlanArgument(long selectedKey)
{
    if (selectedKey <= 99)
        return {};
    const std::string key = std::to_string(selectedKey);
    if (SitePaths::exists("kxa_" + key + ".kxw") || SitePaths::exists("kxa_" + key + ".kxh"))
        return "KXA=" + key;
    return {};
}

CommandLine SchedulePlanEditorLine(long selectedKey)
{
    CommandLine line("kxsched.exe");
    const std::string argument = SchedulePlanArgument(selectedKey);
    if (!argument.empty())
        line.arg(argument);
    return line;
}

CommandLine PersonsEditorLine(const std::string& personsBaseDirectory, PersonsEditor kind, const std::string& argument)
{
    CommandLine line;
    line.arg(personsBaseDirectory + ".\\kxpers.exe");
    switch (kind) {
    case PersonsEditor::Plain:
        break;
    case PersonsEditor::NewPersons:
        line.arg("newpers");
        break;
    case PersonsEditor::NewGroup:
        line.arg("newgroup");
        break;
    case PersonsEditor::Person:
        line.words("pers=" + argument);
        break;
    case PersonsEditor::Group:
        line.words("grp=" + argument);
        break;
    }
    return line;
}

int AlarmTypeOfCommand(int commandId)
{
    for (const auto& [id, type] : kTypeCommands)
        if (id == commandId)
            return type;
    return -1;
}

int CommandOfAlarmType(int type)
{
    for (const auto& [id, t] : kTypeCommands)
        if (t == type)
            return id;
    return 0;
}

bool SetAlarmType(int type, const std::vector<long>& keys, CDatabase& sharedTable, const std::string& mailboxPath)
{
    if (keys.empty()) {
        ErrorBox(str::SelectAlarmForIcon);
        return false;
    }
    if (!sharedTable.Open(mailboxPath.c_str()))
        return false;
    ScopedClose closer(sharedTable);
    if (!RefuseKeysThatAreNotAlarms(sharedTable, keys).empty())
        return false;
    const std::string value = std::to_string(type);
    bool all = true;
    for (long key : keys)
        all = mailbox::WriteField(sharedTable, mailbox::RecordOfKey(key), static_cast<unsigned long>(key), "num2_4",
                                  value.c_str()) == 1 &&
              all;
    return all;
}

int CheckedAlarmTypeCommand(std::optional<long> firstSelectedKey, const std::string& mailboxPath)
{
    if (!firstSelectedKey || *firstSelectedKey < 10)
        return 0;
    CDatabase table;
    if (!table.Open(mailboxPath.c_str()))
        return 0;
    ScopedClose closer(table);
    if (mailbox::RecordOfKey(*firstSelectedKey) > table.RecCount())
        return 0;
    table.Go(mailbox::RecordOfKey(*firstSelectedKey));
    int stored = 0;
    if (!table.Read(mailbox::field::AlarmType, stored))
        return 0;
    const mailbox::AlarmTypeValue value = mailbox::DecodeAlarmType(stored);
    return value.deactivated ? 0 : CommandOfAlarmType(value.type);
}

}  // namespace kx::console
