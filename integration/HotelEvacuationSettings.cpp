#include "integration/HotelEvacuationSettings.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "settings/SettingsRegistry.h"

namespace kx::integration {

namespace {

using namespace settings;

const Registration<HotelEvacuationSettings> kRegistration(console::cmd::HotelEvacuationSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxaprio1";
// A stored range opens as a range only from above 9 to below 9999; a typed
// one must lie there too, or it would come back as "all alarmkeys".
constexpr long kLowestKey = 10;
constexpr long kHighestKey = 9998;

constexpr Text kCheckRoomInfo = KX_TEXT(
    "HotelEvacuationSettings", "Check priority by getting roominfo (language/occupied) from database. This requires a "
                               "interface to a hotelmanagement system (Fidelio,..) ");
constexpr Text kAllKeys = KX_TEXT("HotelEvacuationSettings", "Check priority for all alarmkeys");
constexpr Text kFromKey = KX_TEXT("HotelEvacuationSettings", "Check priority from alarmkey:");
constexpr Text kToKey = KX_TEXT("HotelEvacuationSettings", "to alarmkey:");
constexpr Text kGerman = KX_TEXT("HotelEvacuationSettings", "Language code for German:");
constexpr Text kEnglish = KX_TEXT("HotelEvacuationSettings", "Language code for English:");
constexpr Text kFrench = KX_TEXT("HotelEvacuationSettings", "Language code for French:");
constexpr Text kItalian = KX_TEXT("HotelEvacuationSettings", "Language code for Italian:");
constexpr Text kLanguageDir = KX_TEXT("HotelEvacuationSettings", "Default language directory");
constexpr Text kPostEmpty =
    KX_TEXT("HotelEvacuationSettings", "Post jobs for empty rooms after posting jobs for occupied rooms. Delay:");
constexpr Text kKeyRange =
    KX_TEXT("HotelEvacuationSettings", "The alarmkey '%1' of the priority check should be between 10 and 9998 !");
constexpr Text kRangeReversed =
    KX_TEXT("HotelEvacuationSettings", "The last alarmkey of the priority check should not be lower then the first !");

}  // namespace

HotelEvacuationSettings::HotelEvacuationSettings()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("CheckRoomInfo", kFile, kSection, false).label(kCheckRoomInfo),
              RadioSetting("PriorityKeys", {}, {}, "all", {{"all", kAllKeys, {}}, {"range", kFromKey, {}}})
                  .when("CheckRoomInfo")
                  .notWrittenOnOk(),
              IntSetting("FirstPriorityCheck", kFile, "config", 0)
                  .label(kFromKey)
                  .when("PriorityKeys", {"range"})
                  .range(kLowestKey, kHighestKey, kKeyRange),
              IntSetting("LastPriorityCheck", kFile, "config", 0)
                  .label(kToKey)
                  .when("PriorityKeys", {"range"})
                  .range(kLowestKey, kHighestKey, kKeyRange),
              TextSetting("LgCodeForDt", kFile, kSection).label(kGerman).when("CheckRoomInfo"),
              TextSetting("LgCodeForGb", kFile, kSection).label(kEnglish).when("CheckRoomInfo"),
              TextSetting("LgCodeForFr", kFile, kSection).label(kFrench).when("CheckRoomInfo"),
              TextSetting("LgCodeForIt", kFile, kSection).label(kItalian).when("CheckRoomInfo"),
              TextSetting("DefaultLgDir", kFile, kSection).label(kLanguageDir).when("CheckRoomInfo"),
              CheckSetting("PostEmptyAtEnd", kFile, kSection, false).label(kPostEmpty).when("CheckRoomInfo"),
              IntSetting("SleepBeforePostingEmpty", kFile, kSection, 30).label(kPostEmpty).when("PostEmptyAtEnd"),
          })
{}

void HotelEvacuationSettings::fill()
{
    if (!isOn("CheckRoomInfo")) {
        set("FirstPriorityCheck", "0");
        set("LastPriorityCheck", "0");
        return;
    }
    const bool range = number("FirstPriorityCheck") > 9 && number("LastPriorityCheck") < 9999;
    set("PriorityKeys", range ? "range" : "all");
    if (!range) {
        set("FirstPriorityCheck", "1");
        set("LastPriorityCheck", "1");
    }
}

bool HotelEvacuationSettings::check()
{
    if (isEnabled("FirstPriorityCheck") && number("LastPriorityCheck") < number("FirstPriorityCheck")) {
        ErrorBox(kRangeReversed);
        return false;
    }
    return true;
}

void HotelEvacuationSettings::collectWrites(IniWrites& writes) const
{
    const bool on = isOn("CheckRoomInfo");
    const bool range = on && value("PriorityKeys") == "range";
    addWrite(writes, "CheckRoomInfo");
    addWrite(writes, "FirstPriorityCheck", range ? value("FirstPriorityCheck") : on ? "1" : "0");
    addWrite(writes, "LastPriorityCheck", range ? value("LastPriorityCheck") : on ? "1" : "0");
    for (const char* name : {"LgCodeForDt", "LgCodeForGb", "LgCodeForFr", "LgCodeForIt", "DefaultLgDir",
                             "PostEmptyAtEnd", "SleepBeforePostingEmpty"})
        addWrite(writes, name);
}

}  // namespace kx::integration
