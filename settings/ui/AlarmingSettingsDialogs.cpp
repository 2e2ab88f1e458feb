#include "settings/ui/AlarmingSettingsDialogs.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kSerialGroup = KX_TEXT("SequentialSettingsDialog", "Settings for serial alarming");
constexpr Text kTimes = KX_TEXT("SequentialSettingsDialog", "times");
constexpr Text kConfirmationTimes = KX_TEXT("ConfirmationSettingsDialog", "times, if no key has been pressed");
constexpr Text kPrefixHint =
    KX_TEXT("ConfirmationSettingsDialog", "The number of who confirmed is added after the prefix ");
constexpr Text kConferenceGroup = KX_TEXT("ConferenceSettingsDialog", "Settings for conferences");
constexpr Text kMinutes = KX_TEXT("ConferenceSettingsDialog", "minutes");
constexpr Text kResultGroup = KX_TEXT("AlarmResultSettingsDialog", "Settings of the analysis of alarms");
constexpr Text kOntoPrinter = KX_TEXT("AlarmResultSettingsDialog", "minutes onto the standard printer");

// A line of a label (or check box), an edit and a trailing text.
void addLine(QGridLayout* grid, int line, QWidget* first, QWidget* edit, QWidget* after = nullptr)
{
    grid->addWidget(first, line, 0);
    grid->addWidget(edit, line, 1);
    if (after)
        grid->addWidget(after, line, 2);
}

// The lines both alarming modes begin with.
int addModeLines(const settings::SettingsModel& model, QWidget* box, QGridLayout* grid)
{
    addLine(grid, 0, LabelFor(model, "RepeatMessage", box), EditFor(model, "RepeatMessage", box),
            LabelFor(model, "RepeatMessage", box, "hint", kTimes));
    addLine(grid, 1, CheckBoxFor(model, "PagerCallBack", box), EditFor(model, "CallBackNumber", box));
    return 2;
}

QVBoxLayout* inGroup(QWidget* dialog, const Text& title, QWidget*& box, QGridLayout*& grid)
{
    box = new QGroupBox(ui::Translated(title), dialog);
    grid = new QGridLayout(box);
    auto* content = new QVBoxLayout;
    content->addWidget(box);
    return content;
}

}  // namespace

SequentialSettingsDialog::SequentialSettingsDialog(settings::SequentialSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    QWidget* box = nullptr;
    QGridLayout* grid = nullptr;
    QVBoxLayout* content = inGroup(this, kSerialGroup, box, grid);
    int line = addModeLines(model, box, grid);
    addLine(grid, line++, LabelFor(model, "SleepAfterPage", box), EditFor(model, "SleepAfterPage", box));
    grid->addWidget(CheckBoxFor(model, "DialMoreNbrsOnKo", box), line, 0, 1, 3);
    finishLayout(content);
}

ParallelSettingsDialog::ParallelSettingsDialog(settings::ParallelSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int line = addModeLines(model, this, grid);
    grid->addWidget(CheckBoxFor(model, "DialMoreNbrsOnKo", this), line++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(model, "Rings0Allowed", this), line, 0, 1, 3);
    auto* content = new QVBoxLayout;
    content->addLayout(grid);
    finishLayout(content);
}

ConfirmationSettingsDialog::ConfirmationSettingsDialog(settings::ConfirmationSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    addLine(grid, 0, LabelFor(model, "RepeatConfirmation", this), EditFor(model, "RepeatConfirmation", this),
            LabelFor(model, "RepeatConfirmation", this, "hint", kConfirmationTimes));
    grid->addWidget(CheckBoxFor(model, "ConfAfterEachMsgPlay", this), 1, 0, 1, 3);
    QCheckBox* confirmedBy = CheckBoxFor(model, "SetConfirmedByForAlarmOnSuccess", this);
    grid->addWidget(confirmedBy, 2, 0, 1, 3);
    addLine(grid, 3, LabelFor(model, "ConfirmedByPreMessage", this), EditFor(model, "ConfirmedByPreMessage", this));
    grid->addWidget(LabelFor(model, "ConfirmedByPreMessage", this, "hint", kPrefixHint), 4, 0, 1, 3);
    auto* content = new QVBoxLayout;
    content->addLayout(grid);
    finishLayout(content);
}

ConferenceSettingsDialog::ConferenceSettingsDialog(settings::ConferenceSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    QWidget* box = nullptr;
    QGridLayout* grid = nullptr;
    QVBoxLayout* content = inGroup(this, kConferenceGroup, box, grid);
    addLine(grid, 0, LabelFor(model, "WaitForConf", box), EditFor(model, "WaitForConf", box));
    addLine(grid, 1, LabelFor(model, "WaitingMsgRepeatDelay", box), EditFor(model, "WaitingMsgRepeatDelay", box));
    addLine(grid, 2, LabelFor(model, "MaxDurationMinutes", box), EditFor(model, "MaxDurationMinutes", box),
            LabelFor(model, "MaxDurationMinutes", box, "hint", kMinutes));
    grid->addWidget(CheckBoxFor(model, "RecAsync", box), 3, 0, 1, 3);
    finishLayout(content);
}

AlarmResultSettingsDialog::AlarmResultSettingsDialog(settings::AlarmResultSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    QWidget* box = nullptr;
    QGridLayout* grid = nullptr;
    QVBoxLayout* content = inGroup(this, kResultGroup, box, grid);
    addLine(grid, 0, CheckBoxFor(model, "PrintAlarmResult", box), EditFor(model, "SleepBeforePrint", box),
            LabelFor(model, "SleepBeforePrint", box, "hint", kOntoPrinter));
    addLine(grid, 1, CheckBoxFor(model, "FaxAlarmResult", box), EditFor(model, "FaxNumber", box));
    addLine(grid, 2, CheckBoxFor(model, "SendAlarmResultEmail", box), EditFor(model, "SendEmailTo", box));
    // Kept for the value it carries; the dialog does not offer it.
    QLineEdit* viewer = EditFor(model, "StartViewer", box);
    viewer->setVisible(false);
    grid->addWidget(viewer, 3, 0);
    finishLayout(content);
}

}  // namespace kx::ui
