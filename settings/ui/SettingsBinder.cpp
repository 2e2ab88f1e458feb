#include "settings/ui/SettingsBinder.h"

#include "platform/MessageBoxes.h"
#include "platform/ui/WidgetText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QWidget>

#include <algorithm>

namespace kx::ui {

using settings::Kind;

namespace {

constexpr Text kNotCp1252 = KX_TEXT("SettingsBinder", "The text for \"%1\" holds characters that cannot be stored.");

// The property that holds a control's value: its USER property, else its text.
QMetaProperty valueProperty(const QWidget* w)
{
    const QMetaObject* meta = w->metaObject();
    const QMetaProperty user = meta->userProperty();
    return user.isValid() ? user : meta->property(meta->indexOfProperty("text"));
}

// A drop-down list: its items stand for tokens, so it selects by position
// among the items the model offers, not by its text.
QComboBox* dropDown(QWidget* w)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    return combo && !combo->isEditable() ? combo : nullptr;
}

}  // namespace

QString OptionText(const settings::Option& o)
{
    if (o.label.empty())
        return FromBytes(o.text);
    return o.text.empty() ? ui::Translated(o.label)
                          : ui::Translated(o.label).replace(QLatin1String("%1"), FromBytes(o.text));
}

namespace {

bool sameOptions(const std::vector<settings::Option>& a, const std::vector<settings::Option>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].token != b[i].token || a[i].label.source != b[i].label.source || a[i].text != b[i].text)
            return false;
    return true;
}

int indexOf(const std::vector<settings::Option>& options, const std::string& token)
{
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].token == token)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

SettingsBinder::SettingsBinder(settings::SettingsModel& model, QWidget* root)
    : QObject(root),
      m_model(model),
      m_root(root)
{}

bool SettingsBinder::binds(const settings::SettingRow& row) const
{
    const auto listed = [&row](const std::vector<std::string>& names) {
        return std::find(names.begin(), names.end(), row.name) != names.end();
    };
    return (m_only.empty() || listed(m_only)) && !listed(m_leftOut);
}

QStringList SettingsBinder::bind()
{
    QStringList problems;
    m_bound.clear();
    const QList<QWidget*> widgets = m_root->findChildren<QWidget*>();
    for (const settings::SettingRow& row : m_model.rows()) {
        if (row.kind == Kind::View || !binds(row))
            continue;
        Bound bound;
        bound.row = &row;
        const QString name = QString::fromStdString(row.name);
        const QString prefix = name + QLatin1Char('_');
        for (QWidget* w : widgets) {
            if (w->objectName() == name)
                bound.control = w;
            else if (w->objectName().startsWith(prefix))
                bound.followers.push_back(w);
        }
        if (row.kind == Kind::Radio) {
            for (const settings::Option& o : row.options)
                if (!m_root->findChild<QWidget*>(prefix + QString::fromStdString(o.token)))
                    problems << QStringLiteral("%1: no radio button %2%3")
                                    .arg(name, prefix, QString::fromStdString(o.token));
        } else if (!bound.control) {
            problems << QStringLiteral("%1: no control").arg(name);
        } else if (row.kind == Kind::List ? !dropDown(bound.control)
                                          : row.kind != Kind::Button && !valueProperty(bound.control).isValid()) {
            problems << QStringLiteral("%1: the control cannot hold the value").arg(name);
        }
        for (const QPointer<QWidget>& f : bound.followers)
            if (auto* label = qobject_cast<QLabel*>(f.data()); label && bound.control)
                label->setBuddy(bound.control);
        m_bound.push_back(std::move(bound));
    }
    // A named control that belongs to no value would silently do nothing.
    for (QWidget* w : widgets) {
        const std::string name = w->objectName().toStdString();
        if (name.empty() || name.rfind("qt_", 0) == 0)
            continue;
        bool known = false;
        for (const settings::SettingRow& row : m_model.rows())
            known = known || (binds(row) && (name == row.name || name.rfind(row.name + "_", 0) == 0));
        if (!known)
            problems << QStringLiteral("%1: no value of that name").arg(w->objectName());
    }
    for (Bound& bound : m_bound)
        connectControl(bound);
    return problems;
}

void SettingsBinder::connectControl(Bound& bound)
{
    const settings::SettingRow& row = *bound.row;
    const std::string name = row.name;
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("userValueChanged()"));
    QWidget* control = bound.control.data();
    switch (row.kind) {
    case Kind::Check:
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setCheckable(true);
        if (control && valueProperty(control).hasNotifySignal())
            connect(control, valueProperty(control).notifySignal(), this, slot);
        break;
    case Kind::Radio:
        for (const QPointer<QWidget>& f : bound.followers)
            if (f && valueProperty(f).hasNotifySignal())
                connect(f.data(), valueProperty(f).notifySignal(), this, slot);
        break;
    case Kind::List:
        if (QComboBox* combo = dropDown(control)) {
            connect(combo, &QComboBox::activated, this, [this, name](int index) {
                const auto& options = m_model.options(name);
                if (index >= 0 && index < static_cast<int>(options.size()))
                    changed(name, options[static_cast<std::size_t>(index)].token);
            });
        }
        break;
    case Kind::Text:
        if (row.inRecord() || row.bufferSize <= 1)
            break;
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            control = combo->lineEdit();
        if (control && control->metaObject()->indexOfProperty("maxLength") >= 0)
            control->setProperty("maxLength", static_cast<int>(row.bufferSize - 1));
        break;
    case Kind::Display:
        if (control && control->metaObject()->indexOfProperty("readOnly") >= 0)
            control->setProperty("readOnly", true);
        break;
    case Kind::Button:
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::clicked, this, [this, name] { pressed(name); });
        break;
    default:
        break;
    }
}

void SettingsBinder::userValueChanged()
{
    auto* w = qobject_cast<QWidget*>(sender());
    if (m_updating || !w)
        return;
    const bool on = valueProperty(w).read(w).toBool();
    for (const Bound& bound : m_bound) {
        const std::string& name = bound.row->name;
        if (bound.row->kind == Kind::Check && bound.control == w) {
            changed(name, on ? "1" : "0");
            return;
        }
        if (bound.row->kind == Kind::Radio && on && w->objectName().startsWith(QString::fromStdString(name + "_"))) {
            changed(name, w->objectName().mid(static_cast<int>(name.size()) + 1).toStdString());
            return;
        }
    }
}

void SettingsBinder::showOptions(Bound& bound)
{
    auto* combo = qobject_cast<QComboBox*>(bound.control.data());
    const auto& options = m_model.options(bound.row->name);
    if (!combo || (bound.shownOnce && sameOptions(options, bound.shownOptions)))
        return;
    const QString typed = combo->isEditable() ? combo->currentText() : QString();
    combo->clear();
    for (const settings::Option& o : options)
        combo->addItem(OptionText(o));
    if (combo->isEditable())
        combo->setEditText(typed);
    bound.shownOptions = options;
    bound.shownOnce = false;  // the selection has to be shown again
}

void SettingsBinder::showValue(Bound& bound)
{
    const settings::SettingRow& row = *bound.row;
    const std::string& value = m_model.value(row.name);
    if (bound.shownOnce && value == bound.shownValue)
        return;
    // A widget's value as its property holds it: a flag, a number or a text.
    const auto write = [this, &row](QWidget* w, const std::string& token, bool on) {
        const QMetaProperty property = valueProperty(w);
        if (property.typeId() == QMetaType::Bool)
            property.write(w, on);
        else if (property.typeId() == QMetaType::Int)
            property.write(w, static_cast<int>(m_model.number(row.name)));
        else
            property.write(w, FromBytes(token));
    };
    if (row.kind == Kind::Radio) {
        for (const settings::Option& o : row.options) {
            auto* radio = m_root->findChild<QWidget*>(QString::fromStdString(row.name + "_" + o.token));
            auto* button = qobject_cast<QAbstractButton*>(radio);
            // An exclusive group cannot show "none checked" otherwise.
            if (button)
                button->setAutoExclusive(false);
            if (radio)
                write(radio, o.token, o.token == value);
            if (button)
                button->setAutoExclusive(true);
        }
    } else if (QComboBox* combo = row.kind == Kind::List ? dropDown(bound.control) : nullptr) {
        combo->setCurrentIndex(indexOf(m_model.options(row.name), value));
    } else if (bound.control && row.kind != Kind::Button) {
        write(bound.control, value, value == "1");
    }
    bound.shownValue = value;
    bound.shownOnce = true;
}

void SettingsBinder::updateWidgets()
{
    m_updating = true;
    for (Bound& bound : m_bound) {
        showOptions(bound);
        showValue(bound);
        // Read-only results stay readable whatever the rules say.
        const std::string& name = bound.row->name;
        const bool enabled = m_model.isEnabled(name);
        const bool shown = bound.row->visibleWhen.empty() || m_model.isShown(name);
        if (bound.control) {
            bound.control->setEnabled(enabled || bound.row->kind == Kind::Display);
            if (!bound.row->visibleWhen.empty())
                bound.control->setVisible(shown);
        }
        for (const QPointer<QWidget>& f : bound.followers) {
            if (f && !bound.row->visibleWhen.empty())
                f->setVisible(shown);
            if (f && !qobject_cast<QLabel*>(f.data()))
                f->setEnabled(enabled);
        }
    }
    // Labels follow their buddies.
    for (QLabel* label : m_root->findChildren<QLabel*>())
        if (label->buddy())
            label->setEnabled(label->buddy()->isEnabled());
    m_updating = false;
}

bool SettingsBinder::commit()
{
    for (Bound& bound : m_bound) {
        const settings::SettingRow& row = *bound.row;
        QWidget* control = bound.control.data();
        if ((row.kind != Kind::Int && row.kind != Kind::Text) || !control || !control->isEnabled())
            continue;
        const QVariant typed = valueProperty(control).read(control);
        const std::optional<std::string> bytes = ToBytes(typed.toString());
        settings::Change result = settings::Change::Done;
        if (!bytes) {
            ErrorBox(kNotCp1252, settings::ValueCaption(row));
            result = settings::Change::Refused;
        } else if (*bytes != m_model.value(row.name)) {
            result = m_model.change(row.name, *bytes);
        }
        if (result == settings::Change::Refused) {
            control->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->selectAll();
            return false;
        }
    }
    updateWidgets();
    return true;
}

void SettingsBinder::changed(const std::string& name, const std::string& token)
{
    m_model.change(name, token);
    // The control shows the model's value again, also when the model did
    // not take the click.
    for (Bound& bound : m_bound)
        if (bound.row->name == name)
            bound.shownOnce = false;
    updateWidgets();
}

void SettingsBinder::pressed(const std::string& name)
{
    // A button works with the values as they stand in the dialog.
    if (!commit())
        return;
    m_model.press(name);
    updateWidgets();
}

}  // namespace kx::ui
