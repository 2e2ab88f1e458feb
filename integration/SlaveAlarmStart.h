#pragma once
// "Slave alarmstart settings": the alarms the master also starts on the
// slave server (section kxaredalrstart of kxalarm.ini, and one key per alarm
// in section StartSlaveAlarm of kxaredalrstart.ini: "1" started on the slave).
// Opened by the "Settings" button of the master / slave configuration.
//
// The alarms listed are those (status "91") of FirstAlarm..LastAlarm of
// kxaredundant, or of the alarm range of "config" when either is 0, as
// "%d  %s" sorted by text. "StartSlaveAlarm" is the left list: its keys
// ascending, joined by ","; every other listed alarm is in the right list.
// OK writes "1" for every key of the left list and "0" only for right-list
// keys whose stored value is 1; keys never set stay absent.

#include "settings/SettingsModel.h"

#include <set>
#include <vector>

namespace kx::integration {

// The keys of a list of numbers separated by ",", in ascending order without
// repeats; false when an entry is no whole number from 0 up.
bool ParseKeyList(std::string_view text, std::vector<long>& keys);
std::string JoinKeys(const std::vector<long>& keys);

class SlaveAlarmStart final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "slave-alarm-start";
    static constexpr Text kTitle = KX_TEXT("SlaveAlarmStart", "Slave alarmstart settings");

    SlaveAlarmStart();

    // Every listed alarm: the key as token, "%d  %s" as text, sorted by text.
    const std::vector<settings::Option>& alarms() const { return m_alarms; }
    // The keys of the left list.
    std::vector<long> startedOnSlave() const;

    settings::Change change(std::string_view name, std::string_view token) override;

protected:
    void fill() override;
    void collectWrites(settings::IniWrites& writes) const override;
    void afterWrite() override;

private:
    void readStored();

    std::vector<settings::Option> m_alarms;
    std::set<long> m_listed;    // the keys of m_alarms
    std::set<long> m_storedOn;  // keys whose stored value is 1
};

}  // namespace kx::integration
