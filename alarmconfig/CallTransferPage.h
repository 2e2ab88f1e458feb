#pragma once
// Function 20, "Call transfer": where the caller is transferred to, how,
// what is played and started when nobody answers.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class CallTransferPage final : public AlarmInPage {
public:
    CallTransferPage();

protected:
    // Fewer than one ring is stored as 8 rings.
    void collectRecordWrites(settings::RecordWrites& writes) const override;
};

}  // namespace kx::alarmconfig
