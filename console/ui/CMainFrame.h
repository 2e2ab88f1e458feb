#pragma once
// CMainFrame: the console's single main window: the title, the main menu,
// the flat toolbar with tool tips, the status bar (message, caps lock, num
// lock, scroll lock) and the form view. Menu entries carry the command
// numbers; the command handler runs them and decides their state.

#include "console/ui/CommandHandler.h"
#include "platform/Text.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace kx::console {
class ConsoleSession;
}

namespace kx::ui {

class CAlarmForm;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(console::ConsoleSession& session, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // "Quillon - Alarm Control Center Tellmark", translated.
    static QString windowTitleText();
    // The text of a menu entry or toolbar button; empty for other commands.
    static Text commandText(int commandId);

    CAlarmForm* form() const { return m_form; }
    CommandHandler* commands() const { return m_commands; }
    QAction* action(int commandId) const;
    QMenu* alarmMenu() const { return m_alarmMenu; }
    QMenu* alarmInMenu() const { return m_alarmInMenu; }
    QMenu* alarmInRecordMenu() const { return m_alarmInRecordMenu; }
    QMenu* personsMenu() const { return m_personsMenu; }
    // Brings the window forward (a second start of the program asked for it).
    void bringForward();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, int commandId);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateMenuState(QMenu* menu);
    void updateLockIndicators();

    CAlarmForm* m_form = nullptr;
    CommandHandler* m_commands = nullptr;
    std::map<int, QAction*> m_actions;
    QMenu* m_alarmMenu = nullptr;
    QMenu* m_alarmInMenu = nullptr;
    QMenu* m_alarmInRecordMenu = nullptr;
    QMenu* m_personsMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_capsLock = nullptr;
    QLabel* m_numLock = nullptr;
    QLabel* m_scrollLock = nullptr;
};

}  // namespace kx::ui
