#pragma once
// The widget of a function page: its layout of controls named after the
// page's values, bound to the page model by the settings binder. The editor
// dialog makes one widget per page when it opens and stacks them; after the
// page is loaded for another key it calls refresh().
//
// A page widget derives from AlarmInPageWidgetFor<Page, Self>, which
// registers it as the widget of its page model, lays out its controls (see
// settings/ui/SettingsWidgets.h) and calls finishLayout():
//
//     class EvacuationPageWidget final : public AlarmInPageWidgetFor<alarmconfig::EvacuationPage, EvacuationPageWidget> {
//     public:
//         EvacuationPageWidget(alarmconfig::EvacuationPage& page, QWidget* parent);  // the layout
//     };

#include "alarmconfig/AlarmInPage.h"
#include "settings/ui/SettingsBinder.h"

#include <QStringList>
#include <QWidget>

#include <typeinfo>

class QLayout;

namespace kx::ui {

class AlarmInPageWidget : public QWidget {
    Q_OBJECT
public:
    AlarmInPageWidget(alarmconfig::AlarmInPage& page, QWidget* parent);

    alarmconfig::AlarmInPage& page() { return m_page; }
    SettingsBinder& binder() { return m_binder; }
    // What bind() found amiss (for the tests; empty when all controls match).
    const QStringList& bindingProblems() const { return m_problems; }

    // The page was loaded: show its values, lists and enabling.
    virtual void refresh();
    // Typed text to the model before a save; false when an entry was refused.
    bool commit() { return m_binder.commit(); }

protected:
    // Sets `content` as the page's layout and binds the controls.
    void finishLayout(QLayout* content);
    // The layout of a page that holds one list under its label.
    void finishWithOneList(const std::string& name);

private:
    alarmconfig::AlarmInPage& m_page;
    SettingsBinder m_binder;
    QStringList m_problems;
};

using AlarmInPageWidgetMaker = AlarmInPageWidget* (*)(alarmconfig::AlarmInPage& page, QWidget* parent);
bool RegisterAlarmInPageWidget(const std::type_info& pageType, AlarmInPageWidgetMaker make);
// The widget of a page; null when no widget shows that page.
AlarmInPageWidget* MakeAlarmInPageWidget(alarmconfig::AlarmInPage& page, QWidget* parent);

template <typename Page, typename Self>
class AlarmInPageWidgetFor : public AlarmInPageWidget {
protected:
    AlarmInPageWidgetFor(Page& page, QWidget* parent) : AlarmInPageWidget(page, parent) { (void)&kRegistered; }

private:
    static inline const bool kRegistered = RegisterAlarmInPageWidget(
        typeid(Page), [](alarmconfig::AlarmInPage& page, QWidget* parent) -> AlarmInPageWidget* {
            return new Self(static_cast<Page&>(page), parent);
        });
};

}  // namespace kx::ui
