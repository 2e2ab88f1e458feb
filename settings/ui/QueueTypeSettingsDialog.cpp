#include "settings/ui/QueueTypeSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/PostQueues.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kSave = KX_TEXT("QueueTypeSettingsDialog", "Save");

}  // namespace

QueueTypeSettingsDialog::QueueTypeSettingsDialog(settings::QueueTypeSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    for (int n = 1; n <= settings::kPostQueueCount; ++n) {
        const std::string name = "PostQueue" + std::to_string(n);
        QCheckBox* box = CheckBoxFor(model, name, this);
        // The label names its queue.
        box->setText(QString::fromStdString(TrNumber(model.row(name)->labelText, n)));
        content->addWidget(box);
    }
    finishLayout(content);
    buttonBox()->button(QDialogButtonBox::Ok)->setText(ui::Translated(kSave));
}

}  // namespace kx::ui
