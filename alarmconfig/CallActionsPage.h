#pragma once
// The page of "Special functions": one action (type_msg) with its argument
// in `pager` (the module of "Start KXE program:", the program to launch after
// the call back, the participant of the recorded two-person conference;
// empty for the other actions), the record variant (msg_ch_r), the files to
// play and record ("kxaspecin" "PlayFileFor%d", "RecFileFor%d") and the dial
// attempts of every call back ("CallBackRedials").

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class CallActionsPage final : public AlarmInPage {
public:
    CallActionsPage();

    // The control that holds `pager` for the chosen action; null for an action without argument.
    const char* argumentControl() const;

protected:
    void fill() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;

private:
    std::string m_storedPager;
};

}  // namespace kx::alarmconfig
