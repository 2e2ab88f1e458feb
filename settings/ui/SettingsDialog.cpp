#include "settings/ui/SettingsDialog.h"

#include "platform/ui/WidgetText.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace kx::ui {

SettingsDialog::SettingsDialog(settings::SettingsModel& model, QWidget* parent)
    : QDialog(parent),
      m_model(model),
      m_binder(model, this)
{
    setWindowTitle(ui::text(model.titleId()));
}

void SettingsDialog::finishLayout(QLayout* content)
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
    layout->addWidget(m_buttons);
    m_problems = m_binder.bind();
    m_binder.updateWidgets();
}

void SettingsDialog::accept()
{
    if (!m_binder.commit() || !m_model.ok())
        return;
    QDialog::accept();
}

void SettingsDialog::reject()
{
    m_model.cancel();
    QDialog::reject();
}

}  // namespace kx::ui
