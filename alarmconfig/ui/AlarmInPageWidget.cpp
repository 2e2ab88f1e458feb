#include "alarmconfig/ui/AlarmInPageWidget.h"

#include "watchers/ui/WhitelistDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>
#include <typeindex>

namespace kx::ui {

namespace {

std::map<std::type_index, AlarmInPageWidgetMaker>& makers()
{
    static std::map<std::type_index, AlarmInPageWidgetMaker> all;
    return all;
}

}  // namespace

AlarmInPageWidget::AlarmInPageWidget(alarmconfig::AlarmInPage& page, QWidget* parent)
    : QWidget(parent),
      m_page(page),
      m_binder(page, this)
{}

void AlarmInPageWidget::finishLayout(QLayout* content)
{
    setLayout(content);
    m_problems = m_binder.bind();
    // Every page with a whitelist opens the same dialog for its alarm-in.
    if (auto* whitelist = findChild<QPushButton*>(QStringLiteral("whitelist")))
        connect(whitelist, &QPushButton::clicked, this, [this] { OpenWhitelistDialog(m_page.key(), this); });
    m_binder.updateWidgets();
}

void AlarmInPageWidget::finishWithOneList(const std::string& name)
{
    auto* content = new QVBoxLayout;
    content->addWidget(LabelFor(m_page, name, this));
    content->addWidget(ListFor(m_page, name, this));
    content->addStretch(1);
    finishLayout(content);
}

void AlarmInPageWidget::refresh()
{
    m_binder.updateWidgets();
}

bool RegisterAlarmInPageWidget(const std::type_info& pageType, AlarmInPageWidgetMaker make)
{
    makers()[std::type_index(pageType)] = make;
    return true;
}

AlarmInPageWidget* MakeAlarmInPageWidget(alarmconfig::AlarmInPage& page, QWidget* parent)
{
    auto it = makers().find(std::type_index(typeid(page)));
    return it == makers().end() ? nullptr : it->second(page, parent);
}

}  // namespace kx::ui
