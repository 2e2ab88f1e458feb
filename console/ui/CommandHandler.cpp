#include "console/ui/CommandHandler.h"

#include "alarmconfig/Printout.h"
#include "alarmconfig/ui/AlarmInSettingsDialog.h"
#include "alarmconfig/ui/KeyDialogs.h"
#include "alarmconfig/ui/MessageRecordingDialog.h"
#include "alarmconfig/ui/PrintoutJob.h"
#include "console/CommandIds.h"
#include "console/ConsoleCommands.h"
#include "console/Deactivation.h"
#include "console/ui/AboutDialog.h"
#include "console/ui/CAlarmForm.h"
#include "console/ui/ConsoleIcons.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"
#include "settings/GeneralSettings.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "watchers/ui/SupervisionOverviewDialog.h"

#include <QComboBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QWhatsThis>
#include <QWidget>

#include <cstdlib>

namespace kx::ui {

using namespace console;

CommandHandler::CommandHandler(CAlarmForm& form, QWidget* window)
    : QObject(window),
      m_form(form),
      m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const auto start = [](const CommandLine& line) { StartProgram(line); };
    const auto persons = [this](PersonsEditor mode, const std::string& name = {}) {
        StartProgram(PersonsEditorLine(m_form.session().personsDirectory(), mode, name));
    };
    const auto configurator = [this, start] { start(AlarmConfiguratorLine(m_form.selectedAlarmKeyOrFirst())); };
    const auto planEditor = [this, start] { start(SchedulePlanEditorLine(m_form.selectedAlarmKey().value_or(-1))); };
    const auto needsAlarm = [this] {
        if (!m_form.selectedAlarmKey())
            InfoBox(str::SelectAlarmFirst);
    };
    const auto editGroup = [this] {
        if (auto group = m_form.selectedGroupNumber())
            StartProgram(PersonsEditorLine(m_form.session().personsDirectory(), PersonsEditor::Group, *group));
    };
    const auto nothing = [] {};
    // The first selected alarm-in, else the list's first; the list shows what was saved afterwards.
    const auto alarmInSettings = [this] {
        const std::vector<long> keys = m_form.selectedAlarmInKeys();
        RunAlarmInSettings(keys.empty() ? -1 : keys.front(), m_window);
        m_form.fillAlarmInList();
    };
    // "Record / play the alarm message" for the first selected row of a list.
    const auto recordMessage = [this](alarmconfig::MessageRecording::Kind kind, const console::SelectedAlarm& row) {
        MessageRecordingDialog::run(kind, std::strtol(row.keyText.c_str(), nullptr, 10), row.name, m_window);
    };
    // Adding and deleting keys; the lists show the result afterwards (and
    // the file-watch refills arriving during a run are served meanwhile).
    const auto addKeys = [this](bool alarm) {
        const config::KeyRanges& r = m_form.session().ranges();
        AddKeys(m_form.session().mailboxPath(), alarm, alarm ? r.firstAlarmKey : r.firstAlarmInKey,
                alarm ? r.lastAlarmKey : r.lastAlarmInKey, m_window);
        alarm ? m_form.fillAlarmList() : m_form.fillAlarmInList();
    };
    const auto deleteKeys = [this](bool alarm) {
        const config::KeyRanges& r = m_form.session().ranges();
        const std::optional<SelectedAlarm> row = alarm ? m_form.selectedAlarm() : m_form.selectedAlarmIn();
        DeleteKeys(m_form.session().mailboxPath(), alarm, alarm ? r.firstAlarmKey : r.firstAlarmInKey,
                   alarm ? r.lastAlarmKey : r.lastAlarmInKey,
                   alarm ? m_form.selectedAlarmKeys() : m_form.selectedAlarmInKeys(),
                   row ? row->keyText + " " + row->name : std::string(), m_window);
        alarm ? m_form.fillAlarmList() : m_form.fillAlarmInList();
    };
    m_own = {
        {cmd::AddAlarm, [addKeys] { addKeys(true); }},
        {cmd::NewAlarmIn, [addKeys] { addKeys(false); }},
        {cmd::DeleteAlarm, [deleteKeys] { deleteKeys(true); }},
        {cmd::DeleteAlarmIn, [deleteKeys] { deleteKeys(false); }},
        {cmd::AlarmSettings, configurator},
        {cmd::AlarmConfiguratorButton, configurator},
        {cmd::AlarmList,  // double-click or Enter: only with a selection
         [this, start] {
             if (auto key = m_form.selectedAlarmKey())
                 start(AlarmConfiguratorLine(*key));
         }},
        {cmd::LaunchAlarm, [this] { LaunchAlarm(m_form.selectedAlarm(), m_form.session().ranges().firstAlarmKey); }},
        {cmd::LaunchAlarmButton, [this, start] { start(LaunchProgramLine(m_form.selectedAlarmKeyOrFirst())); }},
        {cmd::SchedulePlanEditor, planEditor},
        {cmd::SchedulePlanEditorButton, planEditor},
        {cmd::CopyAlarm, needsAlarm},
        {cmd::MoveAlarm, needsAlarm},
        {cmd::AddPersons, [persons] { persons(PersonsEditor::NewPersons); }},
        {cmd::ModifyPersons,
         [this, persons] { persons(PersonsEditor::Person, m_form.selectedMemberName().value_or(std::string())); }},
        {cmd::MemberList,
         [this, persons] {
             if (auto name = m_form.selectedMemberName())
                 persons(PersonsEditor::Person, *name);
         }},
        {cmd::AddGroups, [persons] { persons(PersonsEditor::NewGroup); }},
        {cmd::ModifyGroups, editGroup},
        {cmd::EditGroupButton, editGroup},
        {cmd::PersonsEditorButton, [persons] { persons(PersonsEditor::Plain); }},
        {cmd::Refresh, [this] { m_form.refreshAll(); }},
        {cmd::SwitchListsButton, [this] { m_form.switchLists(); }},
        {cmd::About, [this] { AboutDialog(m_window).exec(); }},
        {cmd::Print, [this] { printout(false); }},
        {cmd::PrintPreview, [this] { printout(true); }},
        {cmd::PrinterSetup, [this] { QPageSetupDialog(m_printer.get(), m_window).exec(); }},
        {cmd::ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); }},
        {cmd::ToolBar, [this] { emit toggleToolBar(); }},
        {cmd::StatusBar, [this] { emit toggleStatusBar(); }},
        {cmd::Exit, [this] { emit exitRequested(); }},
        {cmd::AlarmInSettings, alarmInSettings},
        {cmd::RecordAlarmMessage,
         [this, recordMessage] {
             if (auto alarm = m_form.selectedAlarm())
                 recordMessage(alarmconfig::MessageRecording::Kind::Alarm, *alarm);
             else
                 ErrorBox(str::SelectAlarmToRecord);
         }},
        {cmd::RecordAlarmInMessage,  // nothing without a selection
         [this, recordMessage] {
             if (auto alarmIn = m_form.selectedAlarmIn())
                 recordMessage(alarmconfig::MessageRecording::Kind::AlarmIn, *alarmIn);
         }},
        {cmd::SupervisionOverview, [this] { OpenSupervisionOverview(m_window); }},
        {cmd::AlarmInList,  // double-click or Enter: only with a selection
         [this, alarmInSettings] {
             if (!m_form.selectedAlarmInKeys().empty())
                 alarmInSettings();
         }},
        {cmd::GroupSelector, nothing},
        {cmd::UnusedPopup1, nothing},
        {cmd::UnusedPopup2, nothing},
        {cmd::UnusedPopup3, nothing},
    };
}

bool CommandHandler::isEnabled(int id) const
{
    if (FindDeactivationCommand(id))
        return DeactivationCommandsEnabled(m_form.session().enableAlarmDeactivation());
    return settings::FindSettingsDialog(id) || m_own.count(id) || AlarmTypeOfCommand(id) >= 0 ||
           !FixedProgramLine(id).empty();
}

void CommandHandler::execute(int id)
{
    if (!isEnabled(id))
        return;
    if (settings::FindSettingsDialog(id))
        openSettingsDialog(id);
    else if (const DeactivationCommand* command = FindDeactivationCommand(id))
        deactivate(command->minutes);
    else if (AlarmTypeOfCommand(id) >= 0)
        setAlarmType(id);
    else if (const std::string line = FixedProgramLine(id); !line.empty())
        StartProgram(line);
    else
        m_own.at(id)();
}

CommandHandler::~CommandHandler() = default;

void CommandHandler::printout(bool preview)
{
    alarmconfig::printout::Content content;
    content.alarms = m_form.alarmModel()->rows();
    content.alarmIns = m_form.alarmInModel()->rows();
    std::vector<std::string> selector;
    for (int i = 0; i < m_form.groupSelector()->count(); ++i)
        selector.push_back(ToBytesLossy(m_form.groupSelector()->itemText(i)));
    content.groups = alarmconfig::printout::LoadGroups(selector, m_form.session().personsDirectory());
    PrintoutRenderer renderer(content, m_window->window()->windowTitle(), RenderAlarmImage);
    if (preview)
        PreviewPrintout(*m_printer, renderer, m_window);
    else
        PrintPrintoutWithDialog(*m_printer, renderer, m_window);
}

void CommandHandler::openSettingsDialog(int commandId)
{
    std::unique_ptr<settings::SettingsModel> model = settings::FindSettingsDialog(commandId)->make();
    model->load();
    const bool accepted = RunSettingsDialog(*model, m_window);
    // The general settings bound the lists: the view takes the ranges the
    // dialog holds whichever way it closed, and refills after OK.
    if (auto* general = dynamic_cast<settings::GeneralSettings*>(model.get())) {
        m_form.setRanges(general->keyRanges());
        if (accepted) {
            m_form.fillAlarmList();
            m_form.fillAlarmInList();
        }
    }
}

void CommandHandler::setAlarmType(int commandId)
{
    ConsoleSession& session = m_form.session();
    const std::vector<long> keys = m_form.selectedAlarmKeys();
    if (!SetAlarmType(AlarmTypeOfCommand(commandId), keys, session.sharedTable(), session.mailboxPath()))
        return;
    // The list shows the new images when the file-watch thread reports the
    // change. The types of watch orders then open the order of the first
    // selected alarm.
    if (const settings::SettingsDialogEntry* dialog = settings::FindAlarmDialog(commandId)) {
        std::unique_ptr<settings::SettingsModel> model = dialog->make();
        model->load(keys.front());
        RunSettingsDialog(*model, m_window);
    }
}

void CommandHandler::deactivate(int minutes)
{
    const std::vector<long> keys = m_form.selectedAlarmKeys();
    DeactivationOptions options;
    options.mailboxTablePath = m_form.session().mailboxPath();
    Deactivate(minutes, keys, CommandTime::Now, options);
}

int CommandHandler::checkedAlarmTypeCommand() const
{
    return CheckedAlarmTypeCommand(m_form.selectedAlarmKey(), m_form.session().mailboxPath());
}

int CommandHandler::checkedDeactivationCommand() const
{
    const std::vector<long> keys = m_form.selectedAlarmKeys();
    return CheckedDeactivationCommand(keys, CommandTime::Now().now);
}

}  // namespace kx::ui
