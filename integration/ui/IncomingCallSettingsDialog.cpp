#include "integration/ui/IncomingCallSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

QString LinesEdit::lines() const
{
    const QString shown = toPlainText();
    if (shown == m_shown)
        return m_value;
    QString joined = shown;
    return joined.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void LinesEdit::setLines(const QString& lines)
{
    m_value = lines;
    m_shown = lines;
    m_shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(m_shown);
}

IncomingCallSettingsDialog::IncomingCallSettingsDialog(integration::IncomingCallSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* start = new QGroupBox(ui::Translated(model.row("StartWith")->labelText), this);
    auto* startGrid = new QGridLayout(start);
    startGrid->addWidget(RadioFor(model, "StartWith", "alarm-in", start), 0, 0);
    startGrid->addWidget(ListFor(model, "DefaultAlarmIn", start), 0, 1);
    startGrid->addWidget(RadioFor(model, "StartWith", "module", start), 1, 0);
    startGrid->addWidget(ListFor(model, "VMStartProg", start), 1, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(CheckBoxFor(model, "RunSpecProg", this), 0, 0, 1, 2);
    grid->addWidget(ListFor(model, "SpecProg", this), 1, 1);
    grid->addWidget(LabelFor(model, "SpecProgComment", this), 2, 0, Qt::AlignTop);
    auto* comment = new LinesEdit(this);
    comment->setObjectName(QStringLiteral("SpecProgComment"));
    grid->addWidget(comment, 2, 1);
    grid->addWidget(CheckBoxFor(model, "ShowMsgOnIncoming", this), 3, 0, 1, 2);

    auto* content = new QVBoxLayout;
    content->addWidget(start);
    content->addLayout(grid);
    finishLayout(content);
}

}  // namespace kx::ui
