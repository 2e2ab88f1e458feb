#include "console/ui/CommandHandler.h"

#include "console/CommandIds.h"
#include "console/ConsoleCommands.h"
#include "console/Deactivation.h"
#include "console/ui/AboutDialog.h"
#include "console/ui/CAlarmForm.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/StringTable.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QWhatsThis>
#include <QWidget>

namespace kx::ui {

using namespace console;

CommandHandler::CommandHandler(CAlarmForm& form, QWidget* window) : QObject(window), m_form(form), m_window(window) {}

void CommandHandler::registerDialog(int commandId, std::function<void()> open)
{
    m_dialogs[commandId] = std::move(open);
}

bool CommandHandler::isEnabled(int commandId) const
{
    if (m_dialogs.count(commandId))
        return true;
    if (FindDeactivationCommand(commandId))
        return DeactivationCommandsEnabled(m_form.session().enableAlarmDeactivation());
    switch (commandId) {
    // Dialogs of other parts of the console, until they register.
    case cmd::Print:
    case cmd::GeneralSettings:
    case cmd::ParallelAlarmSettings:
    case cmd::SequentAlarmSettings:
    case cmd::ConfirmationSettings:
    case cmd::ConferenceSettings:
    case cmd::MessageSettings:
    case cmd::EscalationSettings:
    case cmd::EmailSettings:
    case cmd::LoginLogoutSettings:
    case cmd::DdiCallbackSettings:
    case cmd::XmlSettings:
    case cmd::ServerServiceWatchSettings:
    case cmd::IncomingCallSettings:
    case cmd::PersonnelEditorSettings:
    case cmd::ResultViewerSettings:
    case cmd::CallHandlingSettings:
    case cmd::LineSupervision:
    case cmd::WatchDogBoxSettings:
    case cmd::MasterSlaveConfiguration:
    case cmd::TtsSettings:
    case cmd::HotelEvacuationSettings:
    case cmd::ExtendedSettings:
    case cmd::AddAlarm:
    case cmd::DeleteAlarm:
    case cmd::RecordAlarmMessage:
    case cmd::NewAlarmIn:
    case cmd::AlarmInSettings:
    case cmd::DeleteAlarmIn:
    case cmd::RecordAlarmInMessage:
    case cmd::DdiConverter:
    case cmd::DdiCliScanner:
    case cmd::SupervisionOverview:
        return false;
    default:
        return true;
    }
}

void CommandHandler::execute(int id)
{
    if (!isEnabled(id))
        return;
    if (auto dialog = m_dialogs.find(id); dialog != m_dialogs.end()) {
        dialog->second();
        return;
    }
    if (const DeactivationCommand* command = FindDeactivationCommand(id)) {
        deactivate(command->minutes);
        return;
    }
    if (AlarmTypeOfCommand(id) >= 0) {
        setAlarmType(id);
        return;
    }
    if (const std::string line = FixedProgramLine(id); !line.empty()) {
        StartProgram(line);
        return;
    }
    const ConsoleSession& session = m_form.session();
    switch (id) {
    case cmd::AlarmSettings:
    case cmd::AlarmConfiguratorButton:
        StartProgram(AlarmConfiguratorLine(m_form.selectedAlarmKeyOrFirst()));
        break;
    case cmd::AlarmList:  // double-click or Enter: only with a selection
        if (auto key = m_form.selectedAlarmKey())
            StartProgram(AlarmConfiguratorLine(*key));
        break;
    case cmd::LaunchAlarm:
        LaunchAlarm(m_form.selectedAlarm(), session.ranges().firstAlarmKey);
        break;
    case cmd::LaunchAlarmButton:
        StartProgram(LaunchProgramLine(m_form.selectedAlarmKeyOrFirst()));
        break;
    case cmd::SchedulePlanEditor:
    case cmd::SchedulePlanEditorButton:
        StartProgram(SchedulePlanEditorLine(m_form.selectedAlarmKey().value_or(-1)));
        break;
    case cmd::CopyAlarm:
    case cmd::MoveAlarm:
        if (!m_form.selectedAlarmKey())
            InfoBox(str::SelectAlarmFirst);
        break;
    case cmd::AddPersons:
        StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::NewPersons));
        break;
    case cmd::ModifyPersons:
        StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::Person,
                                       m_form.selectedMemberName().value_or(std::string())));
        break;
    case cmd::MemberList:
        if (auto name = m_form.selectedMemberName())
            StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::Person, *name));
        break;
    case cmd::AddGroups:
        StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::NewGroup));
        break;
    case cmd::ModifyGroups:
    case cmd::EditGroupButton:
        if (auto group = m_form.selectedGroupNumber())
            StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::Group, *group));
        break;
    case cmd::PersonsEditorButton:
        StartProgram(PersonsEditorLine(session.personsDirectory(), PersonsEditor::Plain));
        break;
    case cmd::Refresh:
        m_form.refreshAll();
        break;
    case cmd::SwitchListsButton:
        m_form.switchLists();
        break;
    case cmd::About:
        AboutDialog(m_window).exec();
        break;
    case cmd::PrinterSetup: {
        static QPrinter printer;
        QPageSetupDialog(&printer, m_window).exec();
        break;
    }
    case cmd::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    case cmd::ToolBar:
        emit toggleToolBar();
        break;
    case cmd::StatusBar:
        emit toggleStatusBar();
        break;
    case cmd::Exit:
        emit exitRequested();
        break;
    default:
        break;  // the unused popup entries and the alarm-in list's activation do nothing (yet)
    }
}

void CommandHandler::setAlarmType(int commandId)
{
    ConsoleSession& session = m_form.session();
    SetAlarmType(AlarmTypeOfCommand(commandId), m_form.selectedAlarmKeys(), session.sharedTable(),
                 session.mailboxPath());
    // The list shows the new images when the file-watch thread reports the change.
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
