#include "watchers/ui/ServerWatchDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"
#include "watchers/WatcherSettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

namespace {
constexpr Text kGeneralSettings = KX_TEXT("ServerWatchDialog", "General settings");
}  // namespace

QPushButton* GeneralWatcherSettingsButton(QWidget* parent)
{
    auto* button = new QPushButton(Translated(kGeneralSettings), parent);
    QObject::connect(button, &QPushButton::clicked, parent, [parent] {
        watchers::WatcherSettings settings;
        settings.load();
        RunSettingsDialog(settings, parent);
    });
    return button;
}

ServerWatchDialog::ServerWatchDialog(watchers::ServerWatch& model, QWidget* parent) : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    auto* intro = new QLabel(FromUtf8(Tr(watchers::ServerWatch::kIntro, std::to_string(model.key()))), this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 2);
    int r = 1;
    for (const char* name : {"address", "comment"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1);
    }
    grid->addWidget(GeneralWatcherSettingsButton(this), r, 0);
    binder().leaveOut({"order"});
    finishLayout(grid);
}

}  // namespace kx::ui
