#pragma once
// CAlarmForm: the main window's form. On its left the alarm list or the
// alarm-in list with the key range of the list shown; on its right the
// group selector and the members of the selected group. It refills the
// lists in place when the background threads report a changed table, when
// the operator asks for it and after the general settings.

#include "console/ConsoleCommands.h"
#include "console/ConsoleSession.h"
#include "console/ListSort.h"
#include "console/ui/BackgroundThreads.h"
#include "console/ui/ListTableModel.h"

#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace kx::ui {

class CAlarmForm : public QWidget {
    Q_OBJECT
public:
    explicit CAlarmForm(console::ConsoleSession& session, QWidget* parent = nullptr);
    ~CAlarmForm() override;

    // The start of the view: the session starts (the mailbox table opens),
    // the controls take the key ranges, the groups are loaded, the three
    // lists filled and the background threads started. When the table cannot
    // be opened the lists stay empty and no thread starts.
    void initialUpdate();
    // Stops the background threads (the window is closing).
    void stopThreads();

    void fillAlarmList();
    void fillAlarmInList();
    void fillMemberList();
    void loadGroups();
    void refreshAll();  // "Refresh": alarms, alarms-in and members
    void switchLists();
    bool showsAlarmIns() const { return m_showsAlarmIns; }
    // After the general settings: the view takes the ranges and shows them.
    void setRanges(const config::KeyRanges& ranges);

    // The selected alarms' keys, in list order; the first selected alarm.
    std::vector<long> selectedAlarmKeys() const;
    std::optional<long> selectedAlarmKey() const;
    long selectedAlarmKeyOrFirst() const;
    std::optional<console::SelectedAlarm> selectedAlarm() const;
    std::vector<long> selectedAlarmInKeys() const;
    std::optional<console::SelectedAlarm> selectedAlarmIn() const;  // the first selected alarm-in's key and name
    std::optional<std::string> selectedMemberName() const;
    // The selected group's number text (the selector text up to the first blank).
    std::optional<std::string> selectedGroupNumber() const;

    QTreeView* alarmView() const { return m_alarmView; }
    QTreeView* alarmInView() const { return m_alarmInView; }
    QTreeView* memberView() const { return m_memberView; }
    QComboBox* groupSelector() const { return m_groupSelector; }
    ListTableModel* alarmModel() const { return m_alarmModel; }
    ListTableModel* alarmInModel() const { return m_alarmInModel; }
    ListTableModel* memberModel() const { return m_memberModel; }
    QPushButton* switchButton() const { return m_switchButton; }
    console::ConsoleSession& session() { return m_session; }
    const console::SortState& sortState() const { return m_sortState; }

signals:
    // A command of the form's buttons and lists, for the command handler.
    void commandRequested(int commandId);
    // The context menus the main window owns.
    void alarmMenuRequested(const QPoint& globalPosition);
    void alarmInMenuRequested(const QPoint& globalPosition, int functionType);
    void memberMenuRequested(const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOutControls();
    void handleViewMessage(ViewMessage message);
    void selectAlarmsGroup();
    void sortList(ListTableModel* model, int column);
    void showRanges();
    void applyListCaptions();
    int functionTypeOf(long key);

    console::ConsoleSession& m_session;
    bool m_showsAlarmIns = false;
    console::SortState m_sortState;                // shared by the three lists
    std::optional<std::string> m_memberListGroup;  // the group number the member list shows
    std::unique_ptr<ViewMessageBridge> m_bridge;
    BackgroundThreads m_threads;

    QGroupBox* m_leftFrame = nullptr;
    QGroupBox* m_rightFrame = nullptr;
    QLabel* m_firstLabel = nullptr;
    QLabel* m_lastLabel = nullptr;
    QLineEdit* m_firstField = nullptr;
    QLineEdit* m_lastField = nullptr;
    QLabel* m_changeToLabel = nullptr;
    QPushButton* m_switchButton = nullptr;
    QPushButton* m_detailsButton = nullptr;
    QLabel* m_groupLabel = nullptr;
    QComboBox* m_groupSelector = nullptr;
    QPushButton* m_editButton = nullptr;
    QLabel* m_membersLabel = nullptr;
    QTreeView* m_alarmView = nullptr;
    QTreeView* m_alarmInView = nullptr;
    QTreeView* m_memberView = nullptr;
    ListTableModel* m_alarmModel = nullptr;
    ListTableModel* m_alarmInModel = nullptr;
    ListTableModel* m_memberModel = nullptr;
};

}  // namespace kx::ui
