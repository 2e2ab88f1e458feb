#pragma once
// "DDI - CLI Alarm scanner": whether the server looks for an alarm named
// "DDI.CLI" among a range of alarm keys, and which alarms-in lend their
// distribution and conference configuration to an alarm found that way.
//
// The two alarm-in lists offer the alarms-in of the configured alarm-in
// range as "<key> <name>"; their tokens are the keys. A stored key that is
// not offered leaves the list without a selection and is written back as it
// was. There is no check of the values.

#include "settings/SettingsModel.h"

namespace kx::numbers {

class DdiCliScanner final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "ddi-cli-scanner";
    static constexpr Text kTitle = KX_TEXT("DdiCliScanner", "DDI - CLI Alarm scanner");

    DdiCliScanner();
};

}  // namespace kx::numbers
