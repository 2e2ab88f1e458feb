#include "alarmconfig/ui/AlarmInSettingsDialog.h"

#include "alarmconfig/ui/AlarmInPageWidget.h"
#include "plans/ui/SelectPlanDialog.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kx::ui {

AlarmInSettingsDialog::AlarmInSettingsDialog(alarmconfig::AlarmInEditor& editor, QWidget* parent)
    : QDialog(parent),
      m_editor(editor)
{
    setWindowTitle(Translated(editor.title()));
    // The common values in a widget of their own: the binder of the editor
    // must not see the pages' controls, whose names are the pages' values.
    auto* common = new QWidget(this);
    auto* grid = new QGridLayout(common);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto addRow = [&](const std::string& name, QWidget* control) {
        grid->addWidget(LabelFor(editor, name, common), row, 0);
        grid->addWidget(control, row++, 1, 1, 2);
    };
    addRow("key", ListFor(editor, "key", common));
    addRow("text_opt1", EditFor(editor, "text_opt1", common));
    addRow("p_ogm4", ListFor(editor, "p_ogm4", common));
    addRow("DisplayMessage", EditFor(editor, "DisplayMessage", common));
    grid->addWidget(CheckBoxFor(editor, "num1_6", common), row, 0);
    grid->addWidget(EditFor(editor, "PlanLabel", common), row, 1);
    grid->addWidget(ButtonFor(editor, "PlanEdit", common), row++, 2);
    grid->setColumnStretch(1, 1);

    m_frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(m_frame);
    m_stack = new QStackedWidget(m_frame);
    frameLayout->addWidget(m_stack);
    m_emptyPage = new QWidget(m_stack);  // functions without settings
    m_stack->addWidget(m_emptyPage);
    for (alarmconfig::AlarmInPage* page : editor.pages()) {
        AlarmInPageWidget* widget = MakeAlarmInPageWidget(*page, m_stack);
        if (!widget) {
            m_problems << QStringLiteral("%1: no page widget").arg(QString::fromStdString(page->name()));
            continue;
        }
        for (const QString& problem : widget->bindingProblems())
            m_problems << QString::fromStdString(page->name()) + QStringLiteral(": ") + problem;
        m_stack->addWidget(widget);
        m_pageWidgets[page] = widget;
    }

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AlarmInSettingsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &AlarmInSettingsDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &AlarmInSettingsDialog::apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(common);
    layout->addWidget(m_frame, 1);
    layout->addWidget(m_buttons);

    m_binder = new SettingsBinder(editor, common);
    m_problems = m_binder->bind() + m_problems;
    // After the binder's own handling of a choice: the page of the chosen
    // alarm-in or function, loaded by the editor, is shown.
    for (const char* name : {"key", "p_ogm4"})
        if (auto* list = common->findChild<QComboBox*>(QString::fromLatin1(name)))
            connect(list, &QComboBox::activated, this, &AlarmInSettingsDialog::showCurrent);
    editor.setCommitTyped([this] { return commitTyped(); });
    // "Edit" of the schedule plan opens "Select plan", which stores the plan.
    editor.setPlanChooser([this](long key, long& plan, long& kind) { return ChoosePlan(key, plan, kind, this); });
    m_binder->updateWidgets();
    showCurrent();
}

AlarmInSettingsDialog::~AlarmInSettingsDialog()
{
    m_editor.setCommitTyped({});
    m_editor.setPlanChooser({});
}

AlarmInPageWidget* AlarmInSettingsDialog::pageWidget(int function) const
{
    const alarmconfig::AlarmInPage* page = m_editor.pageOf(function);
    auto it = m_pageWidgets.find(page);
    return it == m_pageWidgets.end() ? nullptr : it->second;
}

void AlarmInSettingsDialog::showCurrent()
{
    AlarmInPageWidget* widget = m_editor.hasAlarmIn() ? pageWidget(m_editor.function()) : nullptr;
    m_stack->setCurrentWidget(widget ? static_cast<QWidget*>(widget) : m_emptyPage);
    if (widget)
        widget->refresh();
    m_frame->setTitle(FromBytes(m_editor.value("FrameTitle")));
    m_binder->updateWidgets();
}

bool AlarmInSettingsDialog::commitTyped()
{
    AlarmInPageWidget* widget = m_editor.hasAlarmIn() ? pageWidget(m_editor.function()) : nullptr;
    return m_binder->commit() && (!widget || widget->commit());
}

bool AlarmInSettingsDialog::apply()
{
    const bool saved = m_editor.apply();
    showCurrent();
    return saved;
}

void AlarmInSettingsDialog::accept()
{
    // OK closes only after a full save.
    if (apply())
        QDialog::accept();
}

void AlarmInSettingsDialog::reject()
{
    QDialog::reject();
}

void RunAlarmInSettings(long initialKey, QWidget* parent)
{
    alarmconfig::AlarmInEditor editor;
    editor.open(initialKey);
    AlarmInSettingsDialog dialog(editor, parent);
    dialog.exec();
}

}  // namespace kx::ui
