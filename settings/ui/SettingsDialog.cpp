#include "settings/ui/SettingsDialog.h"

#include "platform/ui/WidgetText.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include <map>
#include <typeindex>

namespace kx::ui {

namespace {

// Filled by the dialog classes while the program starts, in any order.
std::map<std::type_index, SettingsDialogMaker>& makers()
{
    static std::map<std::type_index, SettingsDialogMaker> byModel;
    return byModel;
}

}  // namespace

bool RegisterSettingsDialogWidget(const std::type_info& modelType, SettingsDialogMaker make)
{
    makers()[std::type_index(modelType)] = make;
    return true;
}

std::unique_ptr<SettingsDialog> MakeSettingsDialog(settings::SettingsModel& model, QWidget* parent)
{
    auto it = makers().find(std::type_index(typeid(model)));
    return std::unique_ptr<SettingsDialog>(it != makers().end() ? it->second(model, parent) : nullptr);
}

bool RunSettingsDialog(settings::SettingsModel& model, QWidget* parent)
{
    std::unique_ptr<SettingsDialog> dialog = MakeSettingsDialog(model, parent);
    return dialog && dialog->exec() == QDialog::Accepted;
}

SettingsDialog::SettingsDialog(settings::SettingsModel& model, QWidget* parent)
    : QDialog(parent),
      m_model(model),
      m_binder(model, this)
{
    setWindowTitle(ui::Translated(model.title()));
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
