#pragma once
// "Hotel-evacuation settings": the priority check of the evacuation program
// against a hotel management system (room language and occupancy), the
// alarm keys it applies to, and the posting of jobs for empty rooms
// (sections kxaprio1 and config of kxalarm.ini).

#include "settings/SettingsModel.h"

namespace kx::integration {

class HotelEvacuationSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "hotel-evacuation";
    static constexpr Text kTitle = KX_TEXT("HotelEvacuationSettings", "Hotel-evacuation settings");

    HotelEvacuationSettings();

protected:
    // Both keys 0: no check; both 1: every alarm key; else the range.
    void fill() override;
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::integration
