#pragma once
// The dialogs that add and delete alarms and alarms-in: the progress dialog
// of a run, "Add" and "Delete", and the main window's entry points.

#include "alarmconfig/KeyRun.h"

#include <QDialog>
#include <QProgressDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace kx::ui {

// The progress of one run: its writer starts when the dialog is shown; the
// bar and "N %" follow the posted progress, "Cancel" asks and cancels
// between keys, and the button reads "OK" once the writer has ended.
class KeyRunDialog final : public QProgressDialog {
    Q_OBJECT
public:
    KeyRunDialog(const std::string& tablePath, alarmconfig::RunKind kind, std::vector<long> keys, QWidget* parent);
    ~KeyRunDialog() override;

    // The end once the writer has reported it.
    const std::optional<alarmconfig::RunEnd>& end() const { return m_end; }
    QPushButton* button() const { return m_button; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPercent(int percent);
    void ended(const alarmconfig::RunEnd& end);
    void pressed();

    alarmconfig::RunKind m_kind;
    QString m_frame;
    QPushButton* m_button = nullptr;
    std::unique_ptr<alarmconfig::KeyRun> m_run;
    std::optional<alarmconfig::RunEnd> m_end;
    bool m_canceling = false;
};

// "Add": the free keys of a range on the left, the keys to add on the right.
class AddKeysDialog final : public QDialog {
    Q_OBJECT
public:
    AddKeysDialog(std::string tablePath, bool alarm, long first, long last, QWidget* parent);

    // The keys chosen when the dialog was accepted, in the right list's order.
    std::vector<long> chosenKeys() const;
    QListWidget* freeList() const { return m_free; }
    QListWidget* newList() const { return m_new; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* toNewButton() const { return m_toNew; }

private:
    void move(QListWidget* from, QListWidget* to);
    void add();

    std::string m_tablePath;
    bool m_alarm;
    QListWidget* m_free = nullptr;
    QListWidget* m_new = nullptr;
    QPushButton* m_toNew = nullptr;
    QPushButton* m_add = nullptr;
};

// "Delete": one alarm (or alarm-in) of the range chosen and deleted at once.
class DeleteKeyDialog final : public QDialog {
    Q_OBJECT
public:
    DeleteKeyDialog(std::string tablePath, bool alarm, long first, long last, QWidget* parent);
    QComboBox* list() const { return m_list; }

private:
    void fill();
    void deleteChosen();

    std::string m_tablePath;
    bool m_alarm;
    long m_first, m_last;
    QComboBox* m_list = nullptr;
    QPushButton* m_delete = nullptr;
};

// "Add new alarm" / "New alarm-in": the Add dialog, then the run's progress.
void AddKeys(const std::string& tablePath, bool alarm, long first, long last, QWidget* parent);
// "Delete alarm" / "Delete alarm-in" with the selected rows' keys and the
// first row's "KEY NAME" (Windows-1252).
void DeleteKeys(const std::string& tablePath, bool alarm, long first, long last, const std::vector<long>& selected,
                const std::string& firstRowText, QWidget* parent);

}  // namespace kx::ui
