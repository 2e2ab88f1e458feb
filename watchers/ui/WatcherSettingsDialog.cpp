#include "watchers/ui/WatcherSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <climits>

namespace kx::ui {

namespace {
constexpr Text kPingGroup = KX_TEXT("WatcherSettingsDialog", "Server / Network watcher");
constexpr Text kServiceGroup = KX_TEXT("WatcherSettingsDialog", "Service and process watcher");
constexpr Text kSeconds = KX_TEXT("WatcherSettingsDialog", "seconds");
}  // namespace

WatcherSettingsDialog::WatcherSettingsDialog(watchers::WatcherSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    for (const auto& [prefix, title] : {std::pair{"ping.", kPingGroup}, std::pair{"servw.", kServiceGroup}}) {
        auto* group = new QGroupBox(Translated(title), this);
        auto* grid = new QGridLayout(group);
        int r = 0;
        for (const char* key : {"FirstAlarm", "LastAlarm", "Delay", "SleepAfter"}) {
            const std::string name = std::string(prefix) + key;
            QLineEdit* edit = EditFor(model, name, this);
            edit->setValidator(new QIntValidator(0, INT_MAX, edit));  // digits only
            grid->addWidget(LabelFor(model, name, this), r, 0);
            grid->addWidget(edit, r, 1);
            if (r >= 2)
                grid->addWidget(LabelFor(model, name, this, "unit", kSeconds), r, 2);
            ++r;
        }
        content->addWidget(group);
    }
    finishLayout(content);
}

}  // namespace kx::ui
