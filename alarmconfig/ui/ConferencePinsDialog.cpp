#include "alarmconfig/ui/ConferencePinsDialog.h"

#include "platform/ui/WidgetText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kNumberColumn = KX_TEXT("ConferencePinsDialog", "Conference number");
constexpr Text kPinColumn = KX_TEXT("ConferencePinsDialog", "Pin code");
constexpr Text kSetPin = KX_TEXT("ConferencePinsDialog", "Set pin");

}  // namespace

ConferencePinsDialog::ConferencePinsDialog(alarmconfig::ConferencePins& pins, QWidget* parent)
    : QDialog(parent),
      m_pins(pins)
{
    setWindowTitle(Translated(alarmconfig::ConferencePins::kTitle));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("pins"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({Translated(kNumberColumn), Translated(kPinColumn)});
    m_pin = new QLineEdit(this);
    m_pin->setObjectName(QStringLiteral("pin"));
    m_pin->setMaxLength(4);
    m_set = new QPushButton(Translated(kSetPin), this);
    m_set->setObjectName(QStringLiteral("setPin"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* edit = new QHBoxLayout;
    edit->addWidget(m_pin);
    edit->addWidget(m_set);
    auto* content = new QVBoxLayout(this);
    content->addWidget(m_list);
    content->addLayout(edit);
    content->addWidget(buttons);

    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_set->setEnabled(item != nullptr);
        m_pin->setText(item ? item->text(1) : QString());
    });
    connect(m_set, &QPushButton::clicked, this, &ConferencePinsDialog::setPin);
    connect(m_pin, &QLineEdit::returnPressed, this, &ConferencePinsDialog::setPin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fillList();
}

void ConferencePinsDialog::run(QWidget* parent)
{
    alarmconfig::ConferencePins pins;
    pins.load();
    ConferencePinsDialog dialog(pins, parent);
    dialog.exec();
}

void ConferencePinsDialog::fillList()
{
    const int current = m_list->currentIndex().row();
    m_list->clear();
    for (const alarmconfig::ConferencePins::Entry& e : m_pins.entries())
        new QTreeWidgetItem(m_list, {QString::number(e.number), FromBytes(e.pin)});
    m_list->setCurrentItem(m_list->topLevelItem(current >= 0 ? current : 0));
    m_set->setEnabled(m_list->currentItem() != nullptr);
}

void ConferencePinsDialog::setPin()
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    if (m_pins.setPin(item->text(0).toLong(), ToBytesLossy(m_pin->text())))
        fillList();  // read afresh: another program may have changed other pins
}

}  // namespace kx::ui
