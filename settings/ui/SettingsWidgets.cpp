#include "settings/ui/SettingsWidgets.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kx::ui {

namespace {

QString labelText(const settings::SettingsModel& model, const std::string& name)
{
    const settings::SettingRow* row = model.row(name);
    return row ? ui::Translated(row->labelText) : QString();
}

template <typename W>
W* named(W* widget, const std::string& name)
{
    widget->setObjectName(QString::fromStdString(name));
    return widget;
}

}  // namespace

QCheckBox* CheckBoxFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent)
{
    return named(new QCheckBox(labelText(model, name), parent), name);
}

QLineEdit* EditFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent)
{
    auto* edit = named(new QLineEdit(parent), name);
    if (const settings::SettingRow* row = model.row(name); row && row->secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QComboBox* ListFor(const settings::SettingsModel&, const std::string& name, QWidget* parent, bool editable)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QRadioButton* RadioFor(const settings::SettingsModel& model, const std::string& name, const std::string& token,
                       QWidget* parent)
{
    QString text;
    if (const settings::SettingRow* row = model.row(name))
        if (const settings::Option* o = row->option(token))
            text = OptionText(*o);
    return named(new QRadioButton(text, parent), name + "_" + token);
}

QPushButton* ButtonFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent)
{
    auto* button = named(new QPushButton(labelText(model, name), parent), name);
    button->setAutoDefault(false);
    return button;
}

QLabel* LabelFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent,
                 const std::string& part, const Text& text)
{
    const QString shown = text.empty() ? labelText(model, name) : ui::Translated(text);
    return named(new QLabel(shown, parent), name + "_" + part);
}

}  // namespace kx::ui
