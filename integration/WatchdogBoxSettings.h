#pragma once
// "Watch-dog box settings": the platform regularly calls an external
// watch-dog box through the script-engine module kxawdcall, which reads
// these keys (kxalarm.ini, section WatchDog).
//
// Opening rewrites a stored Active other than 1 as "0" at once. "Intervall" is
// the list of the 24 intervals by their minutes ("24 hours" is 1560, as the
// stored files hold it); a stored interval that is no entry, and an alarm
// key that is not listed, show no selection and OK writes them back as they
// were. "test-call" saves the number and posts a call job to the job queue;
// "logfile" opens log\kxawdcall.log in the text editor. OK warns when
// \kxt\kxawdcall.kxe is missing and saves anyway.

#include "settings/SettingsModel.h"

namespace kx::integration {

class WatchdogBoxSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "watchdog-box";
    static constexpr Text kTitle = KX_TEXT("WatchdogBoxSettings", "Watch-dog box settings");

    WatchdogBoxSettings();

protected:
    void fill() override;
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
    void pressed(std::string_view button) override;
};

}  // namespace kx::integration
