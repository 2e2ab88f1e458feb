#include "settings/ui/SettingsWidgets.h"

#include "platform/ui/WidgetText.h"

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
    return row && row->labelId ? ui::text(row->labelId) : QString();
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
    const settings::SettingRow* row = model.row(name);
    edit->setReadOnly(row && row->kind == settings::Kind::Display);
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
            text = o->textId ? ui::text(o->textId) : fromBytes(o->text);
    return named(new QRadioButton(text, parent), name + "_" + token);
}

QPushButton* ButtonFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent)
{
    auto* button = named(new QPushButton(labelText(model, name), parent), name);
    button->setAutoDefault(false);
    return button;
}

QLabel* LabelFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent,
                 const std::string& part, int textId)
{
    const QString text = textId ? ui::text(textId) : labelText(model, name);
    return named(new QLabel(text, parent), name + "_" + part);
}

}  // namespace kx::ui
