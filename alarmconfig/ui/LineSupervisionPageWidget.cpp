#include "alarmconfig/ui/LineSupervisionPageWidget.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"
#include "watchers/ui/SupervisionOverviewDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kCaption = KX_TEXT("LineSupervisionPage", "General settings for server / line supervision");

}  // namespace

LineSupervisionPageWidget::LineSupervisionPageWidget(alarmconfig::LineSupervisionPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(LabelFor(page, "num4_1", this));
    layout->addWidget(ListFor(page, "num4_1", this));

    // One sentence with the list in its place (%1), so a translation keeps it whole.
    const QString sentence = Translated(page.row("num6_1")->labelText);
    const qsizetype at = sentence.indexOf(QStringLiteral("%1"));
    QLabel* before = LabelFor(page, "num6_1", this);
    QLabel* after = LabelFor(page, "num6_1", this, "unit");
    before->setText(at < 0 ? sentence : sentence.left(at).trimmed());
    after->setText(at < 0 ? QString() : sentence.mid(at + 2).trimmed());
    auto* interval = new QHBoxLayout;
    interval->addWidget(before);
    interval->addWidget(ListFor(page, "num6_1", this, true));
    interval->addWidget(after);
    interval->addStretch();
    layout->addLayout(interval);

    QPushButton* overview = ButtonFor(page, "overview", this);
    connect(overview, &QPushButton::clicked, this, [this] { OpenSupervisionOverview(this); });
    layout->addWidget(overview, 0, Qt::AlignLeft);

    layout->addWidget(LabelFor(page, "settings", this, "caption", kCaption));
    layout->addWidget(ButtonFor(page, "settings", this), 0, Qt::AlignLeft);
    layout->addStretch();
    finishLayout(layout);
}

}  // namespace kx::ui
