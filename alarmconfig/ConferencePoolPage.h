#pragma once
// Function 17, "Add to conference pool": the password, where the conference
// number comes from, the alarm-in's pool number, and the range of conference
// numbers that every pool alarm-in shares (kxaconfpool.ini, section "Config").
//
// An alarm-in without a pool number is offered one more than the highest of
// the pool alarm-ins when it loads (nothing is written then); the save
// writes it, counted again if the record still has none, since another
// alarm-in may have taken it meanwhile.

#include "alarmconfig/AlarmInPage.h"

class CDatabase;

namespace kx::alarmconfig {

class ConferencePoolPage final : public AlarmInPage {
public:
    static constexpr int kFunction = 17;
    static constexpr const char* kIni = "kxaconfpool.ini";

    ConferencePoolPage();

    // One more than the highest pool number of the pool alarm-ins of the
    // alarm-in range (1 when there is none).
    static long NextPoolNumber(CDatabase& table);

    bool afterSave() override;

protected:
    void fill() override;
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
};

}  // namespace kx::alarmconfig
