#pragma once
// "Supervision of lines": test calls over the server's own lines at a fixed
// interval, what happens when one fails, and the call-back mode when a
// second server supervises this one (kxalarm.ini, section LineWatchDog).
//
// "Interval" is the list "Repeat test calls every " by its minutes (10 to
// 4320); it stands for the two keys DeltaHours and MinuteInterval. Stored
// keys that match no item select nothing and OK writes them back as they
// were. "LastReset", "LastAlarm" (the server's hexadecimal times, shown in
// local time) and "NextCallMinutes" are computed when the dialog opens and
// never written; "CheckLines" is edited in "Select lines" (refresh()).
// "test-now" posts a test call to the number and DDI as they stand.

#include "settings/SettingsModel.h"

#include <ctime>
#include <optional>

namespace kx::settings {

// "dd.mm.yyyy  hh:mm" in local time of exactly 8 hexadecimal digits; empty otherwise.
std::string HexTimeText(std::string_view stored);
// The seconds since 1970 of exactly 8 hexadecimal digits.
std::optional<std::time_t> HexTime(std::string_view stored);

class LineSupervision final : public SettingsModel {
public:
    static constexpr const char* kName = "line-supervision";
    static constexpr Text kTitle = KX_TEXT("LineSupervision", "Supervision of lines");

    LineSupervision();

    // Reads CheckLines again (after "Select lines").
    void refresh();
    Change change(std::string_view name, std::string_view token) override;

protected:
    void fill() override;
    void changed(std::string_view name) override;
    void collectWrites(IniWrites& writes) const override;
    void pressed(std::string_view button) override;

private:
    std::string m_storedDeltaHours;
    std::string m_storedMinuteInterval;
};

}  // namespace kx::settings
