#pragma once
// The main window's commands: what each menu entry, toolbar button, list
// action and form button does, and the menu state (enabled entries and
// check marks). Commands that open a dialog of another part of the console
// are registered by that part; until then they are shown disabled.

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace kx::ui {

class CAlarmForm;

class CommandHandler : public QObject {
    Q_OBJECT
public:
    CommandHandler(CAlarmForm& form, QWidget* window);

    // Runs a command.
    void execute(int commandId);
    bool isEnabled(int commandId) const;
    // The check marks of the "Select alarm type" and deactivation entries
    // (0: none), for the first selected alarm as it is now.
    int checkedAlarmTypeCommand() const;
    int checkedDeactivationCommand() const;

    // A command that opens a dialog; it is enabled from now on.
    void registerDialog(int commandId, std::function<void()> open);

signals:
    void toggleToolBar();
    void toggleStatusBar();
    void exitRequested();

private:
    void setAlarmType(int commandId);
    void deactivate(int minutes);

    CAlarmForm& m_form;
    QWidget* m_window;
    std::map<int, std::function<void()>> m_dialogs;
};

}  // namespace kx::ui
