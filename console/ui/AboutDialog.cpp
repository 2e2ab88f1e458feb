#include "console/ui/AboutDialog.h"

#include "console/ui/ConsoleIcons.h"
#include "platform/ui/WidgetText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kx::ui {

namespace {

constexpr Text kTitle = KX_TEXT("AboutDialog", "Info about kxalarm");
constexpr Text kVersion = KX_TEXT("AboutDialog", "Kxalarm, Version %1");
constexpr Text kContact[] = {
    KX_TEXT("AboutDialog", "Quillon alarm notification systems"),
    KX_TEXT("AboutDialog", "Support: support@quillon.example"),
    KX_TEXT("AboutDialog", "Configuration console of the alarm server"),
};
constexpr Text kOk = KX_TEXT("AboutDialog", "OK");

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Translated(kTitle));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    auto* version = new QLabel(Translated(kVersion).arg(KX_VERSION), this);
    version->setObjectName("version");
    layout->addWidget(version, 0, 1);
    int row = 1;
    for (const Text& contact : kContact) {
        auto* line = new QLabel(Translated(contact), this);
        line->setObjectName("contact");
        layout->addWidget(line, row++, 1);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Translated(kOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, row, 0, 1, 2);
}

}  // namespace kx::ui
