#pragma once
// The page of function 1, "Launch a conference": the alarm that calls the
// partners, how the caller waits for them (by the kind of that alarm: its
// note line tells the kind), the start menu, a specific message, the
// password, the alarm-in started on timeout, the waiting time, the
// extended settings (values of this page, edited in a dialog of their own)
// and the whitelist.
//
// Two values are made by two controls each, and are one value by their
// field's name: "msg_ch_f" (a radio group for a parallel-conference alarm,
// a tick box for a conference with the first, "0" for any other alarm) and
// "p_mbx_f" (a tick box and an alarm-in list: the key when ticked, else 0).
// After a save that launches an alarm of another kind, the page offers to
// make that alarm a conference alarm.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class ConferencePage final : public AlarmInPage {
public:
    ConferencePage();

    // The kind (type_alt) of the chosen alarm; -1 when no alarm is chosen.
    int alarmKind() const { return static_cast<int>(number("alarmKind")); }

    bool afterSave() override;

protected:
    void fill() override;
    void changed(std::string_view name) override;
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
    void pressed(std::string_view button) override;

private:
    // The kind of alarm `key` as the table holds it now; -1 when it is no alarm.
    int kindOfAlarm(long key) const;
    void showAlarmKind();
    void showWaiting();
    std::string waitingValue() const;
    std::string timeoutValue() const;
};

}  // namespace kx::alarmconfig
