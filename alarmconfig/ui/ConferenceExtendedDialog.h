#pragma once
// "Extended settings for starting conferences": three values of the
// Conference page (the page's save writes them). OK keeps the edits in the
// page; Cancel puts the three back as they were when the dialog opened.

#include "alarmconfig/ConferencePage.h"
#include "settings/ui/SettingsBinder.h"

#include <QDialog>
#include <QStringList>

#include <map>
#include <string>

namespace kx::ui {

class ConferenceExtendedDialog final : public QDialog {
    Q_OBJECT
public:
    static const std::vector<std::string>& values();

    ConferenceExtendedDialog(alarmconfig::ConferencePage& page, QWidget* parent);

    const QStringList& bindingProblems() const { return m_problems; }

    void accept() override;
    void reject() override;

private:
    alarmconfig::ConferencePage& m_page;
    SettingsBinder m_binder;
    QStringList m_problems;
    std::map<std::string, std::string> m_opened;  // the values when it opened
};

}  // namespace kx::ui
