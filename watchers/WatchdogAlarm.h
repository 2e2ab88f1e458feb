#pragma once
// "Watchdog settings" of one alarm (alarm type 8). The alarm is started by
// an application (mode 0), or by kxawdog when the watchdog event, a time
// stamp that applications write into kxawdog.ini, was not set within the
// event minutes (mode 1).
//
// The order lives in the alarm's comment (text_opt1): in event mode
// "KXAWDOG <event minutes> <after-alarm minutes> <comment>", in application
// mode the comment alone. kxawdog watches the keys listed in
// ActiveWdogAlarms of section Config of kxawdog.ini ("7001;7005;"); an
// event-mode save lists the key there once, an application-mode save leaves
// the list alone.
//
// Values: mode ("0"/"1"), event_minutes, after_minutes, comment, and the
// read-only last_event (section KxaWDog of kxawdog.ini) and last_alarm
// (section LastAlarm of kxalog.ini): stamps of exactly 8 hexadecimal digits
// are shown in local time as "dd.mm.yyyy  hh:mm", anything else as stored.

#include "settings/SettingsModel.h"

#include <string>
#include <string_view>

namespace kx::watchers {

// An alarm comment read as a watchdog order.
struct WatchdogOrder {
    bool eventMode = false;
    long eventMinutes = 0;
    long afterMinutes = 0;
    std::string comment;  // in event mode everything after the third word, blanks kept
};
WatchdogOrder ParseWatchdogOrder(std::string_view comment);
// The comment that stores `order`.
std::string WatchdogComment(const WatchdogOrder& order);

class WatchdogAlarm final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "watchdog-alarm";
    static constexpr Text kTitle = KX_TEXT("WatchdogAlarm", "Watchdog settings");

    WatchdogAlarm();

    // 61721 "Settings for the watchdog alarm %d" with the key (UTF-8).
    std::string frameTitle() const;

protected:
    void fill() override;
    void changed(std::string_view name) override;
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
    void collectWrites(settings::IniWrites& writes) const override;

private:
    WatchdogOrder order() const;
    // In event mode, times below 1 are shown as their defaults.
    void showDefaults();
};

}  // namespace kx::watchers
