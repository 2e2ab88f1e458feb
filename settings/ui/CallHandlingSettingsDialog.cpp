#include "settings/ui/CallHandlingSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kIsdnError = KX_TEXT("CallHandlingSettingsDialog", "ISDN error");
constexpr Text kBusy = KX_TEXT("CallHandlingSettingsDialog", "Busy");
constexpr Text kDialTime = KX_TEXT("CallHandlingSettingsDialog", "Time for dialing");

}  // namespace

CallHandlingSettingsDialog::CallHandlingSettingsDialog(settings::CallHandlingSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    const auto group = [this, &model, content](const Text& title, const char* option,
                                               std::initializer_list<const char*> numbers,
                                               std::initializer_list<const char*> queues) {
        auto* box = new QGroupBox(ui::Translated(title), this);
        auto* grid = new QGridLayout(box);
        int line = 0;
        QCheckBox* check = CheckBoxFor(model, option, box);
        grid->addWidget(check, line++, 0, 1, 2);
        for (const char* name : numbers) {
            grid->addWidget(LabelFor(model, name, box), line, 0);
            grid->addWidget(EditFor(model, name, box), line++, 1);
        }
        for (const char* key : queues) {
            grid->addWidget(CheckBoxFor(model, std::string(key) + "Box", box), line, 0);
            grid->addWidget(ListFor(model, std::string(key) + "List", box), line++, 1);
        }
        content->addWidget(box);
    };
    group(kIsdnError, "CheckKxt_st", {"MaxTriesOnISDNError"},
          {"RepostOnOtherQueueOnISDNError", "OnISDNErrorPri1RepostOnQueue", "OnISDNErrorPri2RepostOnQueue",
           "OnISDNErrorPri3RepostOnQueue"});
    group(kBusy, "DialAgainIfBusy", {"MaxTriesIfBusy"}, {"BusyInQueue"});
    group(kDialTime, "DialAgainIfNoAnsDiffTime", {"MaxTriesOnDiffTime", "MaxDiffTimeInSec"}, {});
    finishLayout(content);
}

}  // namespace kx::ui
