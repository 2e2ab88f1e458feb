#pragma once
// The main window's commands: what each menu entry, toolbar button, list
// action and form button does, and the menu state (enabled entries and
// check marks). A settings dialog's command opens the dialog registered for
// it (settings/SettingsRegistry.h); a command that nothing runs yet (the
// dialogs still to be built) is shown disabled.

#include <QObject>

#include <functional>
#include <map>
#include <memory>

class QPrinter;
class QWidget;

namespace kx::ui {

class CAlarmForm;

class CommandHandler : public QObject {
    Q_OBJECT
public:
    CommandHandler(CAlarmForm& form, QWidget* window);
    ~CommandHandler() override;

    // Runs a command.
    void execute(int commandId);
    bool isEnabled(int commandId) const;
    // The check marks of the "Select alarm type" and deactivation entries
    // (0: none), for the first selected alarm as it is now.
    int checkedAlarmTypeCommand() const;
    int checkedDeactivationCommand() const;

signals:
    void toggleToolBar();
    void toggleStatusBar();
    void exitRequested();

private:
    void setAlarmType(int commandId);
    void deactivate(int minutes);
    void openSettingsDialog(int commandId);
    // Prints (or previews) the lists as the window shows them and the groups.
    void printout(bool preview);

    CAlarmForm& m_form;
    QWidget* m_window;
    // The printer of "Print...", "Print preview..." and "Printer settings...".
    std::unique_ptr<QPrinter> m_printer;
    // What the commands of the window itself do (some nothing yet).
    std::map<int, std::function<void()>> m_own;
};

}  // namespace kx::ui
