#include "alarmconfig/ui/LoginLogoutPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

LoginLogoutPageWidget::LoginLogoutPageWidget(alarmconfig::LoginLogoutPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* layout = new QVBoxLayout;
    for (const settings::Option& o : page.options("mbx_ch_f"))
        layout->addWidget(RadioFor(page, "mbx_ch_f", o.token, this));
    layout->addStretch();
    finishLayout(layout);
}

}  // namespace kx::ui
