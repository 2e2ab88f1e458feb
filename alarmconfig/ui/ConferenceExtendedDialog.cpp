#include "alarmconfig/ui/ConferenceExtendedDialog.h"

#include "alarmconfig/ui/SentenceParts.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kTitle = KX_TEXT("ConferenceExtendedDialog", "Extended settings for starting conferences");

}  // namespace

const std::vector<std::string>& ConferenceExtendedDialog::values()
{
    static const std::vector<std::string> names{"num1_5", "num1_4", "num4_3"};
    return names;
}

ConferenceExtendedDialog::ConferenceExtendedDialog(alarmconfig::ConferencePage& page, QWidget* parent)
    : QDialog(parent),
      m_page(page),
      m_binder(page, this)
{
    setWindowTitle(Translated(kTitle));
    for (const std::string& name : values())
        m_opened[name] = page.value(name);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBoxFor(page, "num1_5", this));
    // "Play message asynchronous and start conference after [n] seconds"
    const SentenceParts parts = SplitAtControl(page.row("num1_4")->labelText);
    auto* row = new QHBoxLayout;
    QCheckBox* asynchronous = CheckBoxFor(page, "num1_4", this);
    asynchronous->setText(parts.before);
    QLabel* unit = LabelFor(page, "num4_3", this, "unit");
    unit->setText(parts.after);
    row->addWidget(asynchronous);
    row->addWidget(EditFor(page, "num4_3", this));
    row->addWidget(unit);
    row->addStretch();
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConferenceExtendedDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ConferenceExtendedDialog::reject);
    layout->addWidget(buttons);

    m_binder.bindOnly(values());
    m_problems = m_binder.bind();
    m_binder.updateWidgets();
}

void ConferenceExtendedDialog::accept()
{
    // The typed seconds go to the page; a refused entry keeps the dialog open.
    if (m_binder.commit())
        QDialog::accept();
}

void ConferenceExtendedDialog::reject()
{
    for (const auto& [name, value] : m_opened)
        m_page.set(name, value);
    m_page.applyRules();
    QDialog::reject();
}

}  // namespace kx::ui
