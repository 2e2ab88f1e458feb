#pragma once
// "Settings for personnel editor": the phone types the personnel editor
// offers, the post queue of each basic phone type, the limits for groups
// and persons, groups in groups, the phone numbers per person and several
// job entries per person.
//
// Each phone type is a check value named by its code (key in "Types" of
// kxpers.ini); the dialog's "Activated" / "Deactivated" lists only show
// them. "GroupDigits" (2 or 3) is the width the group table allows for the
// group maximum.

#include "settings/SettingsModel.h"

#include <array>

namespace kx::settings {

// The phone types in the order the personnel editor knows them.
extern const std::array<const char*, 37> kPhoneTypes;

class PersonnelSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "personnel";
    static constexpr Text kTitle = KX_TEXT("PersonnelSettings", "Settings for personnel editor");

    PersonnelSettings();

    // The info text of a phone type ("" for an unknown code).
    static Text info(std::string_view code);

protected:
    void fill() override;
    bool check() override;
    void collectWrites(IniWrites& writes) const override;
    void pressed(std::string_view button) override;

private:
    std::string m_loadedPhones;                // NumberOfPhonesPerPerson as read: kept even outside 1 to 4
    std::array<std::string, 4> m_queueWrites;  // what OK stores for INT, EXT, GSM, DCT (set by check())
};

}  // namespace kx::settings
