#pragma once
// "Slave alarmstart settings": the two alarm lists with the arrow buttons
// between them.

#include "integration/SlaveAlarmStart.h"
#include "settings/ui/SettingsDialog.h"

#include <QWidget>

class QListWidget;

namespace kx::ui {

// The left list "Start listed alarms on slave server" and the right one "Do
// not start alarm on slave server", both sorted by text, several entries
// selectable; the upper arrow moves the selected entries of the right list
// to the left one, the lower arrow back. Its value is the keys of the left
// list, ascending, joined by ",".
class SlaveAlarmLists final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString keys READ keys WRITE setKeys NOTIFY keysChanged USER true)
public:
    SlaveAlarmLists(const integration::SlaveAlarmStart& model, QWidget* parent);
    QString keys() const;
    void setKeys(const QString& keys);
signals:
    void keysChanged();

private:
    void move(QListWidget* from);

    const integration::SlaveAlarmStart& m_model;
    QListWidget* m_left;
    QListWidget* m_right;
};

class SlaveAlarmStartDialog final : public SettingsDialogFor<integration::SlaveAlarmStart, SlaveAlarmStartDialog> {
    Q_OBJECT
public:
    SlaveAlarmStartDialog(integration::SlaveAlarmStart& model, QWidget* parent);
};

}  // namespace kx::ui
