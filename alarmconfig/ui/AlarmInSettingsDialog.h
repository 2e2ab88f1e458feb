#pragma once
// The dialog "Settings of alarms-in": the alarm-in list and the common
// values at the top, the page of the chosen function in a frame below (a
// stack of every page's widget, made when the dialog opens), OK, Cancel and
// Apply. Everything it does, the editor model does; the dialog shows it.

#include "alarmconfig/AlarmInEditor.h"
#include "settings/ui/SettingsBinder.h"

#include <QDialog>
#include <QStringList>

#include <map>

class QDialogButtonBox;
class QGroupBox;
class QStackedWidget;

namespace kx::ui {

class AlarmInPageWidget;

class AlarmInSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    // `editor` is open and outlives the dialog.
    AlarmInSettingsDialog(alarmconfig::AlarmInEditor& editor, QWidget* parent);
    // Takes its hooks back from the editor, which outlives it.
    ~AlarmInSettingsDialog() override;

    // What binding the common values and every page found amiss (for the tests).
    const QStringList& bindingProblems() const { return m_problems; }
    QStackedWidget* pageStack() const { return m_stack; }
    QGroupBox* pageFrame() const { return m_frame; }
    QDialogButtonBox* buttonBox() const { return m_buttons; }
    // The widget of a function's page; null for a function without one.
    AlarmInPageWidget* pageWidget(int function) const;

    void accept() override;
    void reject() override;

public slots:
    // Saves the alarm-in shown and stays open.
    bool apply();

private:
    // Shows the page of the chosen function with its values, and the frame title.
    void showCurrent();
    bool commitTyped();

    alarmconfig::AlarmInEditor& m_editor;
    SettingsBinder* m_binder = nullptr;
    QGroupBox* m_frame = nullptr;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_emptyPage = nullptr;
    std::map<const alarmconfig::AlarmInPage*, AlarmInPageWidget*> m_pageWidgets;
    QDialogButtonBox* m_buttons = nullptr;
    QStringList m_problems;
};

// Opens the editor on `initialKey` (the first alarm-in when it is not one,
// or -1) modally, as the menu command does.
void RunAlarmInSettings(long initialKey, QWidget* parent);

}  // namespace kx::ui
