#include "settings/ui/PersonnelSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/QueueTypeSettings.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kTypes = KX_TEXT("PersonnelSettingsDialog", "Phone types");
constexpr Text kActivated = KX_TEXT("PersonnelSettingsDialog", "Activated");
constexpr Text kDeactivated = KX_TEXT("PersonnelSettingsDialog", "Deactivated");
constexpr Text kInfo = KX_TEXT("PersonnelSettingsDialog", "Info:");
constexpr Text kQueues = KX_TEXT("PersonnelSettingsDialog", "Post queues");
constexpr Text kConfigureLines = KX_TEXT("PersonnelSettingsDialog", "Configure which lines are in which queues");
constexpr Text kAddSpecialTypes = KX_TEXT("PersonnelSettingsDialog", "Add special phonetypes for postqueues");
constexpr Text kGroupHint = KX_TEXT("PersonnelSettingsDialog", "( Only 2 digit group numbers are supported )");

}  // namespace

PersonnelSettingsDialog::PersonnelSettingsDialog(settings::PersonnelSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;

    auto* types = new QGroupBox(ui::Translated(kTypes), this);
    auto* typeGrid = new QGridLayout(types);
    m_activated = new QListWidget(types);
    m_deactivated = new QListWidget(types);
    for (QListWidget* list : {m_activated, m_deactivated}) {
        list->setSortingEnabled(true);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    auto* activate = new QPushButton(QStringLiteral("<"), types);
    auto* deactivate = new QPushButton(QStringLiteral(">"), types);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(activate);
    arrows->addWidget(deactivate);
    arrows->addStretch();
    typeGrid->addWidget(new QLabel(ui::Translated(kActivated), types), 0, 0);
    typeGrid->addWidget(new QLabel(ui::Translated(kDeactivated), types), 0, 2);
    typeGrid->addWidget(m_activated, 1, 0);
    typeGrid->addLayout(arrows, 1, 1);
    typeGrid->addWidget(m_deactivated, 1, 2);
    typeGrid->addWidget(new QLabel(ui::Translated(kInfo), types), 2, 0, 1, 3);
    m_info = new QLabel(QStringLiteral(" "), types);
    m_info->setWordWrap(true);
    m_info->setMinimumHeight(60);
    m_info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    typeGrid->addWidget(m_info, 3, 0, 1, 3);
    // The values themselves: one check box per type, kept out of sight.
    for (const char* code : settings::kPhoneTypes) {
        QCheckBox* box = CheckBoxFor(model, code, types);
        box->hide();
        connect(box, &QCheckBox::toggled, this, &PersonnelSettingsDialog::showTypes);
    }
    content->addWidget(types);

    auto* queues = new QGroupBox(ui::Translated(kQueues), this);
    auto* queueGrid = new QGridLayout(queues);
    int line = 0;
    queueGrid->addWidget(LabelFor(model, "configuration", queues, "label", kConfigureLines), line, 0);
    queueGrid->addWidget(ButtonFor(model, "configuration", queues), line++, 1);
    queueGrid->addWidget(CheckBoxFor(model, "Active", queues), line++, 0, 1, 2);
    for (const char* name : {"PostQueueForINT", "PostQueueForEXT", "PostQueueForGSM", "PostQueueForDCT"}) {
        queueGrid->addWidget(LabelFor(model, name, queues), line, 0);
        queueGrid->addWidget(ListFor(model, name, queues), line++, 1);
    }
    queueGrid->addWidget(LabelFor(model, "specialTypes", queues, "label", kAddSpecialTypes), line, 0);
    QPushButton* special = ButtonFor(model, "specialTypes", queues);
    queueGrid->addWidget(special, line++, 1);
    content->addWidget(queues);

    auto* limits = new QGridLayout;
    line = 0;
    limits->addWidget(CheckBoxFor(model, "IncludeGrpInGrp", this), line++, 0, 1, 3);
    limits->addWidget(LabelFor(model, "MaxGroup", this), line, 0);
    QLineEdit* maxGroup = EditFor(model, "MaxGroup", this);
    limits->addWidget(maxGroup, line, 1);
    QLabel* hint = LabelFor(model, "MaxGroup", this, "hint", kGroupHint);
    limits->addWidget(hint, line++, 2);
    limits->addWidget(LabelFor(model, "MaxPers", this), line, 0);
    limits->addWidget(EditFor(model, "MaxPers", this), line++, 1);
    limits->addWidget(LabelFor(model, "NumberOfPhonesPerPerson", this), line, 0);
    limits->addWidget(ListFor(model, "NumberOfPhonesPerPerson", this, true), line++, 1);
    limits->addWidget(CheckBoxFor(model, "CheckJobResult", this), line++, 0, 1, 3);
    content->addLayout(limits);

    // The group table decides how many digits a group number has; a table
    // that does not open leaves the edit as it is.
    const std::string& digits = model.value("GroupDigits");
    if (digits == "3") {
        maxGroup->setMaxLength(3);
        hint->hide();
    } else if (digits == "2") {
        maxGroup->setMaxLength(2);
    }

    connect(activate, &QPushButton::clicked, this, [this] { move(m_deactivated, true); });
    connect(deactivate, &QPushButton::clicked, this, [this] { move(m_activated, false); });
    for (QListWidget* list : {m_activated, m_deactivated})
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { showInfo(list); });
    connect(special, &QPushButton::clicked, this, [this] {
        settings::QueueTypeSettings specialTypes;
        specialTypes.load();
        RunSettingsDialog(specialTypes, this);
    });

    finishLayout(content);
    showTypes();
}

void PersonnelSettingsDialog::showTypes()
{
    m_activated->clear();
    m_deactivated->clear();
    // From the boxes: they show the value before the model has taken a click.
    for (const char* code : settings::kPhoneTypes) {
        auto* box = findChild<QCheckBox*>(QString::fromLatin1(code));
        (box && box->isChecked() ? m_activated : m_deactivated)->addItem(QString::fromLatin1(code));
    }
}

void PersonnelSettingsDialog::move(QListWidget* from, bool activate)
{
    QStringList codes;
    for (QListWidgetItem* item : from->selectedItems())
        codes << item->text();
    for (const QString& code : codes)
        if (auto* box = findChild<QCheckBox*>(code))
            box->setChecked(activate);
}

void PersonnelSettingsDialog::showInfo(QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    // The first selected item in the list's order.
    QListWidgetItem* first = selected.front();
    for (QListWidgetItem* item : selected)
        if (list->row(item) < list->row(first))
            first = item;
    m_info->setText(ui::Translated(settings::PersonnelSettings::info(first->text().toStdString())));
}

}  // namespace kx::ui
