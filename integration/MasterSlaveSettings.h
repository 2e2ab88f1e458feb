#pragma once
// "Master / Slave configuration": two alarm servers as a redundant pair
// (section kxaredundant of kxalarm.ini), driven by the master / slave
// controller kxamaster.
//
// "Mode" is 1 master, 2 slave, 3 per alarm; any other stored value opens as
// 3. "RedundancyRange" is the range box: it has no key, is ticked on opening
// when FirstAlarm or LastAlarm is not 0, and OK writes "0" to both while it
// is cleared. The retry count and the wait time have two copies loaded from
// the same keys: MaxSocketConnectionRetries and WaitBeforeConnect for slave
// mode, "PerAlarmRetries" and "PerAlarmWait" for per-alarm mode; OK writes
// the copy of the chosen mode (master mode writes the slave retries back).
// After every OK, also with redundancy off, kxamaster is looked up in the
// autostart list. "settings" opens the slave alarm start settings.

#include "settings/SettingsModel.h"

namespace kx::integration {

class MasterSlaveSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "master-slave";
    static constexpr Text kTitle = KX_TEXT("MasterSlaveSettings", "Master / Slave configuration");

    MasterSlaveSettings();

protected:
    void fill() override;
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
    void afterWrite() override;
};

}  // namespace kx::integration
