#include "settings/ui/SettingsBinder.h"

#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

namespace kx::ui {

using settings::Kind;

namespace {

bool isNamedControl(QWidget* w)
{
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w);
}

QString optionText(const settings::Option& o)
{
    return o.textId ? ui::text(o.textId) : fromBytes(o.text);
}

bool sameOptions(const std::vector<settings::Option>& a, const std::vector<settings::Option>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].token != b[i].token || a[i].textId != b[i].textId || a[i].text != b[i].text)
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

// The text an edit-like control holds.
bool typedText(QWidget* w, QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        text = edit->text();
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable()) {
        text = combo->currentText();
        return true;
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
        text = spin->text();
        return true;
    }
    return false;
}

}  // namespace

SettingsBinder::SettingsBinder(settings::SettingsModel& model, QWidget* root)
    : QObject(root),
      m_model(model),
      m_root(root)
{}

QStringList SettingsBinder::bind()
{
    QStringList problems;
    m_bound.clear();
    const QList<QWidget*> widgets = m_root->findChildren<QWidget*>();
    for (const settings::SettingRow& row : m_model.rows()) {
        if (row.kind == Kind::View)
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
                if (!m_root->findChild<QRadioButton*>(prefix + QString::fromStdString(o.token)))
                    problems << QStringLiteral("%1: no radio button %2%3")
                                    .arg(name, prefix, QString::fromStdString(o.token));
        } else if (!bound.control) {
            problems << QStringLiteral("%1: no control").arg(name);
        }
        m_bound.push_back(std::move(bound));
    }
    // A named control that belongs to no value would silently do nothing.
    for (QWidget* w : widgets) {
        if (!isNamedControl(w))
            continue;
        const std::string name = w->objectName().toStdString();
        bool known = false;
        for (const settings::SettingRow& row : m_model.rows())
            known = known || name == row.name || name.rfind(row.name + "_", 0) == 0;
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
    switch (row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(bound.control.data())) {
            box->setCheckable(true);
            connect(box, &QAbstractButton::clicked, this, [this, name](bool on) { changed(name, on ? "1" : "0"); });
        }
        break;
    case Kind::Radio:
        for (const settings::Option& o : row.options) {
            const QString buttonName = QString::fromStdString(row.name + "_" + o.token);
            if (auto* radio = m_root->findChild<QRadioButton*>(buttonName)) {
                const std::string token = o.token;
                connect(radio, &QAbstractButton::clicked, this, [this, name, token] { changed(name, token); });
            }
        }
        break;
    case Kind::List:
        if (auto* combo = qobject_cast<QComboBox*>(bound.control.data())) {
            connect(combo, &QComboBox::activated, this, [this, name](int index) {
                const auto& options = m_model.options(name);
                if (index >= 0 && index < static_cast<int>(options.size()))
                    changed(name, options[static_cast<std::size_t>(index)].token);
            });
        }
        break;
    case Kind::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(bound.control.data()); edit && row.bufferSize > 1)
            edit->setMaxLength(static_cast<int>(row.bufferSize - 1));
        if (auto* combo = qobject_cast<QComboBox*>(bound.control.data());
            combo && combo->lineEdit() && row.bufferSize > 1)
            combo->lineEdit()->setMaxLength(static_cast<int>(row.bufferSize - 1));
        break;
    case Kind::Display:
        if (auto* edit = qobject_cast<QLineEdit*>(bound.control.data()))
            edit->setReadOnly(true);
        break;
    case Kind::Button:
        if (auto* button = qobject_cast<QAbstractButton*>(bound.control.data()))
            connect(button, &QAbstractButton::clicked, this, [this, name] { pressed(name); });
        break;
    default:
        break;
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
        combo->addItem(optionText(o));
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
    QWidget* w = bound.control.data();
    switch (row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(w))
            box->setChecked(value == "1");
        break;
    case Kind::Radio:
        for (const settings::Option& o : row.options) {
            auto* radio = m_root->findChild<QRadioButton*>(QString::fromStdString(row.name + "_" + o.token));
            if (!radio)
                continue;
            // An exclusive group cannot show "none checked" otherwise.
            radio->setAutoExclusive(false);
            radio->setChecked(o.token == value);
            radio->setAutoExclusive(true);
        }
        break;
    case Kind::List:
        if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(indexOf(m_model.options(row.name), value));
        break;
    default:
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(fromBytes(value));
        else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
            combo->setEditText(fromBytes(value));
        else if (auto* spin = qobject_cast<QSpinBox*>(w))
            spin->setValue(static_cast<int>(m_model.number(row.name)));
        else if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(fromBytes(value));
        break;
    }
    bound.shownValue = value;
    bound.shownOnce = true;
}

void SettingsBinder::updateWidgets()
{
    for (Bound& bound : m_bound) {
        showOptions(bound);
        showValue(bound);
        // Read-only results stay readable whatever the rules say; their
        // labels follow the rules like every other label.
        const bool enabled = m_model.isEnabled(bound.row->name);
        if (bound.control)
            bound.control->setEnabled(enabled || bound.row->kind == Kind::Display);
        for (const QPointer<QWidget>& f : bound.followers)
            if (f)
                f->setEnabled(enabled);
    }
}

bool SettingsBinder::commit()
{
    for (Bound& bound : m_bound) {
        const settings::SettingRow& row = *bound.row;
        if ((row.kind != Kind::Int && row.kind != Kind::Text) || !bound.control || !bound.control->isEnabled())
            continue;
        QString text;
        if (!typedText(bound.control, text))
            continue;
        const std::optional<std::string> bytes = toBytes(text);
        settings::Change result = settings::Change::Done;
        if (!bytes) {
            ErrorBox(str::SettingNotCp1252, settings::ValueCaption(row));
            result = settings::Change::Refused;
        } else if (*bytes != m_model.value(row.name)) {
            result = m_model.change(row.name, *bytes);
        }
        if (result == settings::Change::Refused) {
            bound.control->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(bound.control.data()))
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
