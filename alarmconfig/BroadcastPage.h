#pragma once
// The page of function 0, "Broadcast / Launch an alarm": the alarm to
// launch, recording a message on each launch (its settings for all
// broadcasts are the "broadcast-messages" dialog), the launch password, the
// launch menu, the caller's number (CLI) as alarm-in key, the whitelist.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class BroadcastPage final : public AlarmInPage {
public:
    BroadcastPage();

protected:
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
    void pressed(std::string_view button) override;
};

// Starts the alarm configurator for `alarmKey` ("kxaconf.exe <key>");
// nothing for 0 ("Do not launch an alarm") or no choice. False when the
// configurator did not start (reported).
bool EditAlarm(long alarmKey);

}  // namespace kx::alarmconfig
