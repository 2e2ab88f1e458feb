#include "alarmconfig/ui/SentenceParts.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kx::ui {

SentenceParts SplitAtControl(const Text& sentence)
{
    const QString text = Translated(sentence);
    const qsizetype at = text.indexOf(QLatin1String("%1"));
    if (at < 0)
        return {text.trimmed(), {}};
    return {text.left(at).trimmed(), text.mid(at + 2).trimmed()};
}

QHBoxLayout* SentenceRow(const settings::SettingsModel& model, const std::string& name, QWidget* control,
                         QWidget* parent)
{
    const SentenceParts parts = SplitAtControl(model.row(name)->labelText);
    auto* row = new QHBoxLayout;
    QLabel* before = LabelFor(model, name, parent);
    before->setText(parts.before);
    QLabel* after = LabelFor(model, name, parent, "unit");
    after->setText(parts.after);
    row->addWidget(before);
    row->addWidget(control);
    row->addWidget(after);
    row->addStretch();
    return row;
}

}  // namespace kx::ui
