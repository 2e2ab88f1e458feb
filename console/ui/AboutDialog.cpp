#include "console/ui/AboutDialog.h"

#include "console/ui/ConsoleIcons.h"
#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kx::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(text(str::AboutTitle));
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(48, 48));
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    int row = 0;
    for (int id : {str::AboutVersion, str::AboutContact1, str::AboutContact2, str::AboutContact3}) {
        auto* line = new QLabel(text(id), this);
        line->setObjectName(id == str::AboutVersion ? "version" : "contact");
        layout->addWidget(line, row++, 1);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text(str::ButtonOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, row, 0, 1, 2);
}

}  // namespace kx::ui
