#pragma once
// The page of function 6, line supervision: another server calls this
// alarm-in regularly; when no call comes within the interval, the watchdog
// program launches the chosen alarm. With several calling servers
// ("MultiSrvCallBack" 1) the page edits the alarm and the interval and
// offers the overview; otherwise the supervision is set up in the general
// line supervision settings, and the page only points there.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class LineSupervisionPage final : public AlarmInPage {
public:
    LineSupervisionPage();

    // The list of supervised alarms-in is rebuilt when the watchdog program reads it.
    bool afterSave() override;

protected:
    void fill() override;
    // Both fields are written also while hidden.
    void collectRecordWrites(settings::RecordWrites& writes) const override;
};

}  // namespace kx::alarmconfig
