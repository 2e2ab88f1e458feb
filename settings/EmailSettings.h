#pragma once
// "E-mail settings": sending alarm messages as e-mails (the e-mail phone type
// of the personnel settings and the SMTP keys) and starting alarms by e-mail
// (the receive module's mailbox, the alarm range a mail may start, the
// identity check and the default alarm).
//
// "AlarmRange" is the range check box: it has no key, is set on opening when
// either range key is not 0, and OK writes "0" into both keys while it is
// cleared. After OK has written the values, the receive module is looked up
// in the autostart list while receiving is on, and a missing getmail.exe is
// reported.

#include "settings/SettingsModel.h"

namespace kx::settings {

class EmailSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "email";
    static constexpr Text kTitle = KX_TEXT("EmailSettings", "E-mail settings");

    EmailSettings();

protected:
    void fill() override;
    void collectWrites(IniWrites& writes) const override;
    void afterWrite() override;
    void pressed(std::string_view button) override;
};

}  // namespace kx::settings
