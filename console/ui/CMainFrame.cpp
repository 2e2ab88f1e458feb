#include "console/ui/CMainFrame.h"

#include "console/CommandIds.h"
#include "console/Deactivation.h"
#include "console/ui/CAlarmForm.h"
#include "console/ui/ConsoleIcons.h"
#include "console/ui/MenuMnemonics.h"
#include "core/MailboxLayout.h"
#include "platform/KeyboardLocks.h"
#include "platform/ui/WidgetText.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace kx::ui {

using namespace console;

namespace {

// Alarm-in functions whose right-click menu offers "Record alarm-in message".
bool offersAlarmInRecording(int function)
{
    switch (function) {
    case 0:
    case 1:
    case 13:
    case 18:
    case 19:
    case 20:
        return true;
    default:
        return false;
    }
}

constexpr Text kDocumentTitle = KX_TEXT("CMainFrame", "Quillon");
constexpr Text kAppTitle = KX_TEXT("CMainFrame", "Alarm Control Center Tellmark");

constexpr Text kMenuFile = KX_TEXT("CMainFrame", "&File");
constexpr Text kMenuSettings = KX_TEXT("CMainFrame", "&Settings");
constexpr Text kMenuAlarm = KX_TEXT("CMainFrame", "A&larm");
constexpr Text kMenuAlarmIn = KX_TEXT("CMainFrame", "Alarm-&in");
constexpr Text kMenuPersonsGroups = KX_TEXT("CMainFrame", "Persons/&Groups");
constexpr Text kMenuTools = KX_TEXT("CMainFrame", "&Tools");
constexpr Text kMenuView = KX_TEXT("CMainFrame", "&View");
constexpr Text kMenuHelp = KX_TEXT("CMainFrame", "&Help");
constexpr Text kMenuSelectAlarmType = KX_TEXT("CMainFrame", "Select alarm &type");

constexpr Text kStatusReady = KX_TEXT("CMainFrame", "Ready");
constexpr Text kStatusCapsLock = KX_TEXT("CMainFrame", "CAP");
constexpr Text kStatusNumLock = KX_TEXT("CMainFrame", "NUM");
constexpr Text kStatusScrollLock = KX_TEXT("CMainFrame", "SCRL");

// The texts of the menu entries (each mnemonic unique within its menu) and
// of the toolbar buttons, whose tool tips they are.
struct CommandText {
    int id;
    Text text;
};
constexpr CommandText kCommandTexts[] = {
    {cmd::Print, KX_TEXT("CMainFrame", "&Print...")},
    {cmd::PrintPreview, KX_TEXT("CMainFrame", "Print pre&view...")},
    {cmd::PrinterSetup, KX_TEXT("CMainFrame", "Printer&settings...")},
    {cmd::Exit, KX_TEXT("CMainFrame", "E&xit")},
    {cmd::GeneralSettings, KX_TEXT("CMainFrame", "&General settings")},
    {cmd::ParallelAlarmSettings, KX_TEXT("CMainFrame", "&Parallel alarm settings")},
    {cmd::SequentAlarmSettings, KX_TEXT("CMainFrame", "&Sequent alarm settings")},
    {cmd::ConfirmationSettings, KX_TEXT("CMainFrame", "&Confirmation settings")},
    {cmd::ConferenceSettings, KX_TEXT("CMainFrame", "Co&nference settings")},
    {cmd::MessageSettings, KX_TEXT("CMainFrame", "Mess&age settings")},
    {cmd::EscalationSettings, KX_TEXT("CMainFrame", "&Escalation settings")},
    {cmd::EmailSettings, KX_TEXT("CMainFrame", "E-&mail settings")},
    {cmd::LoginLogoutSettings, KX_TEXT("CMainFrame", "&Login / Logout settings")},
    {cmd::DdiCallbackSettings, KX_TEXT("CMainFrame", "&DDI callback settings")},
    {cmd::XmlSettings, KX_TEXT("CMainFrame", "&XML Settings")},
    {cmd::ServerServiceWatchSettings, KX_TEXT("CMainFrame", "Server / Service &watch settings")},
    {cmd::IncomingCallSettings, KX_TEXT("CMainFrame", "Inc&oming call and alarm-in settings")},
    {cmd::PersonnelEditorSettings, KX_TEXT("CMainFrame", "Personnel editor and &queue settings")},
    {cmd::ResultViewerSettings, KX_TEXT("CMainFrame", "&Result viewer settings")},
    {cmd::CallHandlingSettings, KX_TEXT("CMainFrame", "Call &handling settings")},
    {cmd::LineSupervision, KX_TEXT("CMainFrame", "Line s&upervision")},
    {cmd::WatchDogBoxSettings, KX_TEXT("CMainFrame", "Watch-dog &box settings")},
    {cmd::MasterSlaveConfiguration, KX_TEXT("CMainFrame", "Master / Slave con&figuration")},
    {cmd::TtsSettings, KX_TEXT("CMainFrame", "Dynamic alarmmessage &TTS settings")},
    {cmd::HotelEvacuationSettings, KX_TEXT("CMainFrame", "Hotel-e&vacuation settings")},
    {cmd::ExtendedSettings, KX_TEXT("CMainFrame", "&Import/Export and extended settings")},
    {cmd::AddAlarm, KX_TEXT("CMainFrame", "Add &new alarm")},
    {cmd::AlarmSettings, KX_TEXT("CMainFrame", "Set alarm &settings")},
    {cmd::DeleteAlarm, KX_TEXT("CMainFrame", "&Delete alarm")},
    {cmd::LaunchAlarm, KX_TEXT("CMainFrame", "&Launch alarm")},
    {cmd::AlarmSimulation, KX_TEXT("CMainFrame", "Alarm-S&imulation")},
    {cmd::ViewAlarmResults, KX_TEXT("CMainFrame", "&View alarm results")},
    {cmd::RecordAlarmMessage, KX_TEXT("CMainFrame", "&Record alarm messages")},
    {cmd::SchedulePlanEditor, KX_TEXT("CMainFrame", "S&chedule plan editor")},
    {cmd::NewAlarmIn, KX_TEXT("CMainFrame", "&New alarm-in")},
    {cmd::AlarmInSettings, KX_TEXT("CMainFrame", "&Alarm-in settings")},
    {cmd::DeleteAlarmIn, KX_TEXT("CMainFrame", "&Delete alarm-in")},
    {cmd::RecordAlarmInMessage, KX_TEXT("CMainFrame", "&Record alarm-in message")},
    {cmd::DdiConverter, KX_TEXT("CMainFrame", "DDI &converter")},
    {cmd::DdiCliScanner, KX_TEXT("CMainFrame", "DDI-CLI Alarm &scanner")},
    {cmd::SupervisionOverview, KX_TEXT("CMainFrame", "&Line / Server supervison overview")},
    {cmd::AddPersons, KX_TEXT("CMainFrame", "Add &new persons")},
    {cmd::ModifyPersons, KX_TEXT("CMainFrame", "&Modify data of persons")},
    {cmd::AddGroups, KX_TEXT("CMainFrame", "Add new &groups")},
    {cmd::ModifyGroups, KX_TEXT("CMainFrame", "Modify &data of groups")},
    {cmd::SystemInformation, KX_TEXT("CMainFrame", "&System-Informations")},
    {cmd::DataBackup, KX_TEXT("CMainFrame", "Data &backup")},
    {cmd::PostjobMonitor, KX_TEXT("CMainFrame", "&Postjob monitor")},
    {cmd::DialUtility, KX_TEXT("CMainFrame", "&Dial utility")},
    {cmd::LineMonitor, KX_TEXT("CMainFrame", "&Line Monitor")},
    {cmd::ReleaseCheck, KX_TEXT("CMainFrame", "&Release check")},
    {cmd::ToolBar, KX_TEXT("CMainFrame", "&Symbol bar")},
    {cmd::StatusBar, KX_TEXT("CMainFrame", "S&tatus bar")},
    {cmd::Refresh, KX_TEXT("CMainFrame", "&Refresh")},
    {cmd::About, KX_TEXT("CMainFrame", "&About kxalarm...")},
    {cmd::AlarmConfiguratorButton, KX_TEXT("CMainFrame", "Alarm configurator")},
    {cmd::PersonsEditorButton, KX_TEXT("CMainFrame", "Editor of persons and groups")},
    {cmd::ViewAlarmResultsButton, KX_TEXT("CMainFrame", "View alarm results")},
    {cmd::SchedulePlanEditorButton, KX_TEXT("CMainFrame", "Schedule plan editor")},
    {cmd::LaunchAlarmButton, KX_TEXT("CMainFrame", "Launch alarm")},
    {cmd::LaunchUtilityButton, KX_TEXT("CMainFrame", "Utility to launch an alarm")},
    {cmd::AlarmSimulationButton, KX_TEXT("CMainFrame", "Alarm simulation")},
    {cmd::DialUtilityButton, KX_TEXT("CMainFrame", "Dial utility")},
    {cmd::DataBackupButton, KX_TEXT("CMainFrame", "Data backup")},
    {cmd::ReleaseCheckButton, KX_TEXT("CMainFrame", "Release check")},
    {cmd::SystemInformationButton, KX_TEXT("CMainFrame", "System information")},
    {cmd::LineMonitorButton, KX_TEXT("CMainFrame", "Line monitor")},
    {cmd::ContextHelp, KX_TEXT("CMainFrame", "Help on the item clicked next")},
};

// A tool tip is the command's text without its mnemonic and dots.
QString toolTipOf(int commandId)
{
    QString tip = Translated(CMainFrame::commandText(commandId));
    tip.remove('&');
    if (tip.endsWith("..."))
        tip.chop(3);
    return tip;
}

}  // namespace

CMainFrame::CMainFrame(console::ConsoleSession& session, QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(windowTitleText());
    setWindowIcon(ProgramIcon());
    m_form = new CAlarmForm(session, this);
    setCentralWidget(m_form);
    m_commands = new CommandHandler(*m_form, this);
    createMenus();
    createToolBar();
    createStatusBar();
    connect(m_form, &CAlarmForm::commandRequested, m_commands, &CommandHandler::execute);
    connect(m_form, &CAlarmForm::alarmMenuRequested, this, [this](const QPoint& at) { m_alarmMenu->exec(at); });
    connect(m_form, &CAlarmForm::alarmInMenuRequested, this, [this](const QPoint& at, int function) {
        (offersAlarmInRecording(function) ? m_alarmInRecordMenu : m_alarmInMenu)->exec(at);
    });
    connect(m_form, &CAlarmForm::memberMenuRequested, this, [this](const QPoint& at) { m_personsMenu->exec(at); });
    connect(m_commands, &CommandHandler::toggleToolBar, this,
            [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    connect(m_commands, &CommandHandler::toggleStatusBar, this,
            [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    connect(m_commands, &CommandHandler::exitRequested, this, &QWidget::close);
    resize(960, 640);  // the frame fits the form
}

CMainFrame::~CMainFrame() = default;

QString CMainFrame::windowTitleText()
{
    return Translated(kDocumentTitle) + " - " + Translated(kAppTitle);
}

Text CMainFrame::commandText(int commandId)
{
    for (const CommandText& c : kCommandTexts)
        if (c.id == commandId)
            return c.text;
    const DeactivationCommand* deactivation = FindDeactivationCommand(commandId);
    return deactivation ? deactivation->text : Text{};
}

QAction* CMainFrame::action(int commandId) const
{
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainFrame::addCommand(QMenu* menu, int commandId)
{
    QAction*& action = m_actions[commandId];
    if (!action) {
        action = new QAction(Translated(commandText(commandId)), this);
        action->setData(commandId);
        connect(action, &QAction::triggered, this, [this, commandId] { m_commands->execute(commandId); });
    }
    if (menu)
        menu->addAction(action);
    return action;
}

void CMainFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(Translated(kMenuFile));
    addCommand(file, cmd::Print)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(file, cmd::PrintPreview);
    addCommand(file, cmd::PrinterSetup);
    file->addSeparator();
    addCommand(file, cmd::Exit);

    QMenu* settings = menuBar()->addMenu(Translated(kMenuSettings));
    for (int id : {cmd::GeneralSettings,
                   cmd::ParallelAlarmSettings,
                   cmd::SequentAlarmSettings,
                   cmd::ConfirmationSettings,
                   cmd::ConferenceSettings,
                   cmd::MessageSettings,
                   cmd::EscalationSettings,
                   cmd::EmailSettings,
                   cmd::LoginLogoutSettings,
                   cmd::DdiCallbackSettings,
                   cmd::XmlSettings,
                   cmd::ServerServiceWatchSettings,
                   cmd::IncomingCallSettings,
                   cmd::PersonnelEditorSettings,
                   cmd::ResultViewerSettings,
                   cmd::CallHandlingSettings,
                   cmd::LineSupervision,
                   cmd::WatchDogBoxSettings,
                   cmd::MasterSlaveConfiguration,
                   cmd::TtsSettings,
                   cmd::HotelEvacuationSettings,
                   cmd::ExtendedSettings})
        addCommand(settings, id);

    m_alarmMenu = menuBar()->addMenu(Translated(kMenuAlarm));
    for (int id : {cmd::AddAlarm, cmd::AlarmSettings, cmd::DeleteAlarm})
        addCommand(m_alarmMenu, id);
    m_alarmMenu->addSeparator();
    for (int id : {cmd::LaunchAlarm, cmd::AlarmSimulation, cmd::ViewAlarmResults, cmd::RecordAlarmMessage})
        addCommand(m_alarmMenu, id);
    m_alarmMenu->addSeparator();
    QMenu* types = m_alarmMenu->addMenu(Translated(kMenuSelectAlarmType));
    for (int type = 0; type < mailbox::kAlarmTypeCount; ++type) {
        QAction* a = addCommand(types, CommandOfAlarmType(type));
        a->setText(FromUtf8(mailbox::AlarmTypeText(type)));
        a->setCheckable(true);
    }
    const auto deactivation = DeactivationCommands();
    addCommand(m_alarmMenu, deactivation.front().id)->setCheckable(true);
    QMenu* durations = m_alarmMenu->addMenu(Translated(kDeactivateAlarmsMenu));
    for (const DeactivationCommand& c : deactivation.subspan(1))
        addCommand(durations, c.id)->setCheckable(true);
    m_alarmMenu->addSeparator();
    addCommand(m_alarmMenu, cmd::SchedulePlanEditor);

    m_alarmInMenu = menuBar()->addMenu(Translated(kMenuAlarmIn));
    for (int id : {cmd::NewAlarmIn, cmd::AlarmInSettings, cmd::DeleteAlarmIn})
        addCommand(m_alarmInMenu, id);
    m_alarmInMenu->addSeparator();
    for (int id : {cmd::DdiConverter, cmd::DdiCliScanner, cmd::SupervisionOverview})
        addCommand(m_alarmInMenu, id);
    // The right-click menu of alarms-in that record messages.
    m_alarmInRecordMenu = new QMenu(Translated(kMenuAlarmIn), this);
    for (int id : {cmd::NewAlarmIn, cmd::AlarmInSettings, cmd::DeleteAlarmIn, cmd::RecordAlarmInMessage})
        addCommand(m_alarmInRecordMenu, id);

    m_personsMenu = menuBar()->addMenu(Translated(kMenuPersonsGroups));
    for (int id : {cmd::AddPersons, cmd::ModifyPersons, cmd::AddGroups, cmd::ModifyGroups})
        addCommand(m_personsMenu, id);

    QMenu* tools = menuBar()->addMenu(Translated(kMenuTools));
    for (int id : {cmd::SystemInformation, cmd::DataBackup, cmd::PostjobMonitor, cmd::DialUtility, cmd::LineMonitor,
                   cmd::ReleaseCheck})
        addCommand(tools, id);

    QMenu* view = menuBar()->addMenu(Translated(kMenuView));
    for (int id : {cmd::ToolBar, cmd::StatusBar})
        addCommand(view, id)->setCheckable(true);
    view->addSeparator();
    addCommand(view, cmd::Refresh);

    QMenu* help = menuBar()->addMenu(Translated(kMenuHelp));
    addCommand(help, cmd::About);

    AssignUniqueMnemonics(menuBar()->actions());
    for (QMenu* menu : findChildren<QMenu*>()) {
        AssignUniqueMnemonics(menu->actions());
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenuState(menu); });
    }
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName("toolBar");
    m_toolBar->setMovable(true);
    m_toolBar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    const int order[] = {cmd::AlarmConfiguratorButton,
                         cmd::PersonsEditorButton,
                         cmd::ViewAlarmResultsButton,
                         cmd::SchedulePlanEditorButton,
                         0,
                         cmd::LaunchAlarmButton,
                         cmd::LaunchUtilityButton,
                         cmd::AlarmSimulationButton,
                         cmd::DialUtilityButton,
                         0,
                         cmd::DataBackupButton,
                         cmd::ReleaseCheckButton,
                         cmd::SystemInformationButton,
                         cmd::LineMonitorButton,
                         0,
                         cmd::About,
                         cmd::ContextHelp};
    for (int id : order) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* button = id == cmd::About ? addCommand(nullptr, id) : nullptr;
        if (!button) {
            button = new QAction(this);
            button->setData(id);
            connect(button, &QAction::triggered, this, [this, id] { m_commands->execute(id); });
            m_actions.emplace(id, button);
        }
        const QString tip = toolTipOf(id);
        if (id != cmd::About)
            button->setText(tip);
        button->setToolTip(tip);
        button->setIcon(ToolbarIcon(id));
        m_toolBar->addAction(button);
    }
}

void CMainFrame::createStatusBar()
{
    // "Ready" is the bar's normal text: a menu entry's status tip covers it
    // for a while, and it shows again when the tip is cleared.
    statusBar()->addWidget(new QLabel(Translated(kStatusReady), this), 1);
    m_capsLock = new QLabel(Translated(kStatusCapsLock), this);
    m_numLock = new QLabel(Translated(kStatusNumLock), this);
    m_scrollLock = new QLabel(Translated(kStatusScrollLock), this);
    for (QLabel* pane : {m_capsLock, m_numLock, m_scrollLock}) {
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(40);
        statusBar()->addPermanentWidget(pane);
    }
    updateLockIndicators();
}

void CMainFrame::updateLockIndicators()
{
    const KeyboardLocks locks = ReadKeyboardLocks();
    m_capsLock->setEnabled(locks.capsLock);
    m_numLock->setEnabled(locks.numLock);
    m_scrollLock->setEnabled(locks.scrollLock);
}

void CMainFrame::updateMenuState(QMenu* menu)
{
    const int checkedType = menu->actions().isEmpty() ? 0 : m_commands->checkedAlarmTypeCommand();
    const int checkedDuration = m_commands->checkedDeactivationCommand();
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || a->menu())
            continue;
        const int id = a->data().toInt();
        a->setEnabled(m_commands->isEnabled(id));
        if (AlarmTypeOfCommand(id) >= 0)
            a->setChecked(id == checkedType);
        else if (FindDeactivationCommand(id))
            a->setChecked(id == checkedDuration);
        else if (id == cmd::ToolBar)
            a->setChecked(m_toolBar->isVisible());
        else if (id == cmd::StatusBar)
            a->setChecked(statusBar()->isVisible());
    }
}

void CMainFrame::bringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            updateLockIndicators();
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_form->stopThreads();
    QMainWindow::closeEvent(event);
}

}  // namespace kx::ui
