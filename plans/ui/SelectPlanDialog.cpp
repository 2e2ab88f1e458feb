#include "plans/ui/SelectPlanDialog.h"

#include "plans/ui/CreatePlanDialog.h"
#include "platform/ui/WidgetText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

using plans::PlanFamily;

constexpr Text kTitle = KX_TEXT("SelectPlanDialog", "Select plan");
constexpr Text kFrame = KX_TEXT("SelectPlanDialog", "Select sched- and weekplan for alarm-in");
constexpr Text kAlarmInMode = KX_TEXT("SelectPlanDialog", "Use alarm-in schedule plans:");
constexpr Text kAlarmMode = KX_TEXT("SelectPlanDialog", "Use alarm schedule plans:");
constexpr Text kNew = KX_TEXT("SelectPlanDialog", "New");
constexpr Text kOffsetNotice =
    KX_TEXT("SelectPlanDialog", "Only alarm schedule- and weekplans with an offset are supported !");
constexpr Text kWeekplan = KX_TEXT("SelectPlanDialog", "Weekplan:");
constexpr Text kSchedplan = KX_TEXT("SelectPlanDialog", "Schedplan:");
constexpr Text kEdit = KX_TEXT("SelectPlanDialog", "Edit");
constexpr Text kRefresh = KX_TEXT("SelectPlanDialog", "Refresh");
constexpr Text kRefreshLabel = KX_TEXT("SelectPlanDialog", "Refresh schedule and weekplans list");

constexpr PlanFamily kFamilies[] = {PlanFamily::AlarmIn, PlanFamily::Alarm};

QPushButton* button(const Text& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(Translated(text), parent);
    b->setObjectName(name);
    return b;
}

void showLines(QListWidget* list, const std::vector<plans::PlanLine>& lines)
{
    list->clear();
    for (const plans::PlanLine& line : lines) {
        auto* item = new QListWidgetItem(FromBytes(line.text), list);
        item->setData(Qt::ForegroundRole, QColor(line.colour.red, line.colour.green, line.colour.blue));
    }
}

}  // namespace

SelectPlanDialog::SelectPlanDialog(plans::PlanSelection& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(Translated(kTitle));
    auto* frame = new QGroupBox(Translated(kFrame), this);
    auto* grid = new QGridLayout(frame);

    // The modes, each over its family's list and "New".
    m_modes = new QButtonGroup(this);
    const struct {
        const Text& mode;
        const char* name;
    } families[] = {{kAlarmInMode, "alarmIn"}, {kAlarmMode, "alarm"}};
    int row = 0;
    for (PlanFamily family : kFamilies) {
        const int f = static_cast<int>(family);
        const QString name = QString::fromLatin1(families[f].name);
        auto* radio = new QRadioButton(Translated(families[f].mode), frame);
        radio->setObjectName(name + QStringLiteral("Mode"));
        m_modes->addButton(radio, f);
        m_lists[f] = new QComboBox(frame);
        m_lists[f]->setObjectName(name + QStringLiteral("Plans"));
        m_new[f] = button(kNew, QStringLiteral("new") + name.front().toUpper() + name.mid(1), frame);
        grid->addWidget(radio, row++, 0, 1, 3);
        grid->addWidget(m_lists[f], row, 0, 1, 2);
        grid->addWidget(m_new[f], row++, 2);
        connect(m_lists[f], &QComboBox::currentIndexChanged, this,
                [this, family](int index) { selectionChanged(family, index); });
        connect(m_new[f], &QPushButton::clicked, this, [this, family] {
            m_model.newPlan(family);
            refresh();
        });
    }
    m_notice = new QLabel(Translated(kOffsetNotice), frame);
    m_notice->setObjectName(QStringLiteral("offsetNotice"));
    grid->addWidget(m_notice, row++, 0, 1, 3);

    // The week and year lines of the plan shown, each with "Edit" and its file's name.
    const auto addLines = [&](const Text& label, const QString& name, QListWidget*& lines, QLineEdit*& file,
                              bool week) {
        lines = new QListWidget(frame);
        lines->setObjectName(name + QStringLiteral("Lines"));
        file = new QLineEdit(frame);
        file->setObjectName(name + QStringLiteral("File"));
        file->setReadOnly(true);
        QPushButton* edit = button(kEdit, QStringLiteral("edit") + name.front().toUpper() + name.mid(1), frame);
        auto* caption = new QLabel(Translated(label), frame);
        caption->setBuddy(lines);
        grid->addWidget(caption, row, 0);
        grid->addWidget(file, row, 1);
        grid->addWidget(edit, row++, 2);
        grid->addWidget(lines, row++, 0, 1, 3);
        // No message when nothing is selected or the editor does not start.
        connect(edit, &QPushButton::clicked, this, [this, week] { m_model.edit(week); });
    };
    addLines(kWeekplan, QStringLiteral("week"), m_weekLines, m_weekFile, true);
    addLines(kSchedplan, QStringLiteral("year"), m_yearLines, m_yearFile, false);

    QPushButton* refreshButton = button(kRefresh, QStringLiteral("refresh"), frame);
    grid->addWidget(refreshButton, row, 0);
    grid->addWidget(new QLabel(Translated(kRefreshLabel), frame), row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    connect(m_modes, &QButtonGroup::idClicked, this, [this](int mode) {
        m_model.setMode(static_cast<PlanFamily>(mode));
        showMode();
    });
    connect(refreshButton, &QPushButton::clicked, this, [this] {
        m_model.refresh();
        showDisplay();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectPlanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SelectPlanDialog::reject);

    m_model.setCreateRunner([this](plans::PlanCreation& creation) { RunCreatePlan(creation, this); });
    refresh();
}

SelectPlanDialog::~SelectPlanDialog()
{
    m_model.setCreateRunner({});  // the model may outlive the dialog
}

void SelectPlanDialog::refresh()
{
    for (PlanFamily family : kFamilies) {
        QComboBox* list = m_lists[static_cast<int>(family)];
        const QSignalBlocker quiet(list);  // filling is not the operator's choice
        list->clear();
        for (const plans::PlanItem& item : m_model.items(family))
            list->addItem(FromBytes(item.text));
        list->setCurrentIndex(m_model.selected(family));
    }
    showMode();
    showDisplay();
}

void SelectPlanDialog::showMode()
{
    const PlanFamily mode = m_model.mode();
    m_modes->button(static_cast<int>(mode))->setChecked(true);
    for (PlanFamily family : kFamilies) {
        m_lists[static_cast<int>(family)]->setEnabled(family == mode);
        m_new[static_cast<int>(family)]->setEnabled(family == mode);
    }
    m_notice->setEnabled(mode == PlanFamily::Alarm);
}

void SelectPlanDialog::showDisplay()
{
    const plans::PlanDisplay& display = m_model.display();
    showLines(m_weekLines, display.week);
    showLines(m_yearLines, display.year);
    m_weekFile->setText(FromBytes(display.weekFile));
    m_yearFile->setText(FromBytes(display.yearFile));
}

void SelectPlanDialog::selectionChanged(PlanFamily family, int index)
{
    m_model.select(family, index);
    showDisplay();
}

void SelectPlanDialog::accept()
{
    // A refusal was shown by the model; the dialog stays open.
    if (m_model.ok())
        QDialog::accept();
}

bool ChoosePlan(long key, long& plan, long& kind, QWidget* parent)
{
    plans::PlanSelection model(key, plan, kind);
    model.open();
    SelectPlanDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    plan = model.planNumber();
    kind = static_cast<long>(model.mode());
    return true;
}

}  // namespace kx::ui
