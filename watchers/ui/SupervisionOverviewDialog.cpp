#include "watchers/ui/SupervisionOverviewDialog.h"

#include "platform/ui/WidgetText.h"
#include "watchers/SupervisionOverview.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kx::ui {

SupervisionOverviewDialog::SupervisionOverviewDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Translated(watchers::kOverviewTitle));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("rows"));
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(false);
    m_list->setHeaderLabels({Translated(watchers::kColumnDdi), Translated(watchers::kColumnName),
                             Translated(watchers::kColumnLaunchAlarm), Translated(watchers::kColumnInterval),
                             Translated(watchers::kColumnLastCall), Translated(watchers::kColumnLastAlarm)});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(720, 320);
}

bool SupervisionOverviewDialog::reload()
{
    m_list->clear();
    const auto rows = watchers::LoadSupervisionOverview();
    if (!rows)
        return false;
    for (const watchers::SupervisionRow& row : *rows) {
        new QTreeWidgetItem(m_list, {QString::number(row.key), FromUtf8(row.name), FromUtf8(row.launchAlarm),
                                     FromUtf8(row.interval), FromUtf8(row.lastCall), FromUtf8(row.lastAlarm)});
    }
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    return true;
}

void OpenSupervisionOverview(QWidget* parent)
{
    SupervisionOverviewDialog dialog(parent);
    if (dialog.reload())
        dialog.exec();
}

}  // namespace kx::ui
