#include "watchers/ui/ServiceWatchDialog.h"

#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"
#include "watchers/ui/ServerWatchDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

namespace kx::ui {

namespace {
constexpr Text kProcessHint =
    KX_TEXT("ServiceWatchDialog", "Only specify the name of the process without a path or extension");
}  // namespace

ServiceWatchDialog::ServiceWatchDialog(watchers::ServiceWatch& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    auto* intro = new QLabel(FromUtf8(Tr(watchers::ServiceWatch::kIntro, std::to_string(model.key()))), this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);
    int r = 1;
    for (const auto& [name, first, second] :
         {std::tuple{"kind", "service", "process"}, std::tuple{"location", "remote", "local"}}) {
        auto* row = new QHBoxLayout;
        for (const char* token : {first, second}) {
            row->addWidget(RadioFor(model, name, token, this));
        }
        grid->addLayout(row, r++, 0, 1, 3);
    }
    m_address = EditFor(model, "address", this);
    connect(m_address, &QLineEdit::textEdited, this, &ServiceWatchDialog::addressEdited);
    grid->addWidget(LabelFor(model, "address", this), r, 0);
    grid->addWidget(m_address, r++, 1, 1, 2);
    m_nameLabel = LabelFor(model, "name", this);
    grid->addWidget(m_nameLabel, r, 0);
    grid->addWidget(EditFor(model, "name", this), r++, 1, 1, 2);
    m_hint = new QLabel(Translated(kProcessHint), this);
    grid->addWidget(m_hint, r++, 1, 1, 2);
    for (auto [name, edit] :
         {std::pair{"login", EditFor(model, "login", this)}, std::pair{"password", EditFor(model, "password", this)},
          std::pair{"comment", EditFor(model, "comment", this)}}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(edit, r++, 1, 1, 2);
    }
    m_show = ButtonFor(model, "show", this);
    grid->addWidget(m_show, r, 1);
    grid->addWidget(GeneralWatcherSettingsButton(this), r, 2);
    binder().leaveOut({"order"});
    finishLayout(grid);
    // After the binder's own connections, so that the model has the new kind.
    for (const char* kind : {"kind_service", "kind_process"})
        connect(findChild<QRadioButton*>(kind), &QRadioButton::toggled, this, &ServiceWatchDialog::showKind);
    showKind();
}

void ServiceWatchDialog::showKind()
{
    const bool process = model().value("kind") == "process";
    m_nameLabel->setText(Translated(process ? str::ProcessNameLabel : str::ServiceNameLabel));
    m_hint->setVisible(process);
    m_show->setText(Translated(process ? str::ShowProcesses : str::ShowServices));
}

void ServiceWatchDialog::addressEdited(const QString& text)
{
    // The model looks the login of the address up as it is typed.
    const int cursor = m_address->cursorPosition();
    model().change("address", ToBytesLossy(text));
    binder().updateWidgets();
    m_address->setCursorPosition(cursor);
}

}  // namespace kx::ui
