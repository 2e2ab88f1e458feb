#pragma once
// "DDI callback settings": a DDI number sent with the alarm message, on
// which a called person calls back to confirm (kxalarm.ini, section
// kxaddicallback). The dialog also makes the keys of that DDI range
// alarms-in of the callback function (21) in the mailbox table.
//
// "StartModule" is the box "Start additional KXE module on callback:"
// (ticked on opening when a module is stored; cleared, OK stores none).
// With the callback on, OK refuses a range that is reversed or reaches
// beyond the mailbox table; after the keys are saved, a range that is not
// all alarms-in is offered for conversion (61696): free keys become new
// alarms-in, alarms-in get the function, and a key that holds anything else
// (an alarm, a mailbox) is left alone and named afterwards.

#include "settings/SettingsModel.h"

#include <vector>

namespace kx::integration {

// What the conversion of a DDI range did.
struct DdiRangeResult {
    std::vector<long> created;  // free keys that became alarms-in
    std::vector<long> updated;  // alarms-in that got the callback function
    std::vector<long> leftAlone;
    long failedKey = -1;  // a record that could not be written (the run stops there)
    std::string reason;
};

// Makes every key of first..last of the open mailbox table an alarm-in of
// the callback function, each record as one unit under its lock; keys that
// hold anything else are left alone. The range lies inside the table.
DdiRangeResult ConvertDdiRange(CDatabase& table, long first, long last);

class DdiCallbackSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "ddi-callback";
    static constexpr Text kTitle = KX_TEXT("DdiCallbackSettings", "DDI callback settings");

    DdiCallbackSettings();

protected:
    void fill() override;
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
    void afterWrite() override;
};

}  // namespace kx::integration
