#include "settings/ui/SelectLinesDialog.h"

#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kSelect = KX_TEXT("SelectLinesDialog", "Select");

}  // namespace

LineList::LineList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
    const QString line = Translated(str::LineLabel);
    for (int n = 1; n <= settings::kLineCount; ++n)
        addItem(QStringLiteral("%1 %2").arg(line).arg(n, 2, 10, QLatin1Char('0')));
    connect(this, &QListWidget::itemSelectionChanged, this, &LineList::linesChanged);
}

QString LineList::lines() const
{
    std::vector<int> chosen;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            chosen.push_back(row + 1);
    return QString::fromStdString(settings::JoinLines(chosen));
}

void LineList::setLines(const QString& lines)
{
    std::vector<int> chosen;
    settings::ParseLines(lines.toStdString(), chosen);
    const QSignalBlocker quiet(this);
    clearSelection();
    for (int line : chosen)
        item(line - 1)->setSelected(true);
}

SelectLinesDialog::SelectLinesDialog(settings::SelectLines& model, QWidget* parent) : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    auto* list = new LineList(this);
    list->setObjectName(QStringLiteral("CheckLines"));
    content->addWidget(LabelFor(model, "CheckLines", this));
    content->addWidget(list);
    finishLayout(content);
    buttonBox()->button(QDialogButtonBox::Ok)->setText(Translated(kSelect));
}

}  // namespace kx::ui
