#include "integration/ui/SlaveAlarmStartDialog.h"

#include "platform/TextEncoding.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kx::ui {

namespace {

constexpr Text kNotStarted = KX_TEXT("SlaveAlarmStartDialog", "Do not start alarm on slave server");

QListWidget* alarmList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

}  // namespace

SlaveAlarmLists::SlaveAlarmLists(const integration::SlaveAlarmStart& model, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      m_left(alarmList(QStringLiteral("StartSlaveAlarm_left"), this)),
      m_right(alarmList(QStringLiteral("StartSlaveAlarm_right"), this))
{
    auto* toLeft = new QPushButton(QStringLiteral("<<"), this);
    toLeft->setObjectName(QStringLiteral("StartSlaveAlarm_start"));
    auto* toRight = new QPushButton(QStringLiteral(">>"), this);
    toRight->setObjectName(QStringLiteral("StartSlaveAlarm_stop"));
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(toLeft);
    arrows->addWidget(toRight);
    arrows->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(LabelFor(model, "StartSlaveAlarm", this), 0, 0);
    grid->addWidget(LabelFor(model, "StartSlaveAlarm", this, "rightLabel", kNotStarted), 0, 2);
    grid->addWidget(m_left, 1, 0);
    grid->addLayout(arrows, 1, 1);
    grid->addWidget(m_right, 1, 2);

    connect(toLeft, &QPushButton::clicked, this, [this] { move(m_right); });
    connect(toRight, &QPushButton::clicked, this, [this] { move(m_left); });
    setKeys({});
}

QString SlaveAlarmLists::keys() const
{
    std::vector<long> keys;
    for (int row = 0; row < m_left->count(); ++row)
        keys.push_back(m_left->item(row)->data(Qt::UserRole).toLongLong());
    std::sort(keys.begin(), keys.end());
    return QString::fromStdString(integration::JoinKeys(keys));
}

// Both lists afresh from the model's alarms, which are in text order: a
// moved entry takes its sorted place.
void SlaveAlarmLists::setKeys(const QString& keys)
{
    std::vector<long> left;
    integration::ParseKeyList(keys.toStdString(), left);
    m_left->clear();
    m_right->clear();
    for (const settings::Option& alarm : m_model.alarms()) {
        const long key = std::stol(alarm.token);
        QListWidget* list = std::binary_search(left.begin(), left.end(), key) ? m_left : m_right;
        auto* item = new QListWidgetItem(QString::fromStdString(Cp1252ToUtf8(alarm.text)), list);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(key));
    }
}

void SlaveAlarmLists::move(QListWidget* from)
{
    std::vector<long> left;
    integration::ParseKeyList(keys().toStdString(), left);
    for (QListWidgetItem* item : from->selectedItems()) {
        const long key = static_cast<long>(item->data(Qt::UserRole).toLongLong());
        if (from == m_right)
            left.push_back(key);
        else
            left.erase(std::remove(left.begin(), left.end(), key), left.end());
    }
    std::sort(left.begin(), left.end());
    setKeys(QString::fromStdString(integration::JoinKeys(left)));
    emit keysChanged();
}

SlaveAlarmStartDialog::SlaveAlarmStartDialog(integration::SlaveAlarmStart& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(CheckBoxFor(model, "Active", this));
    auto* grid = new QGridLayout;
    int r = 0;
    for (const char* name : {"SlaveIP", "SlavePort", "MaxSocketConnectionRetries"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1);
    }
    content->addLayout(grid);
    content->addWidget(CheckBoxFor(model, "DoNotStartSlaveIf2ndAlarm", this));
    auto* lists = new SlaveAlarmLists(model, this);
    lists->setObjectName(QStringLiteral("StartSlaveAlarm"));
    content->addWidget(lists);
    finishLayout(content);
}

}  // namespace kx::ui
